#include "table/filecommands.h"

#include "table/fileio.h"
#include "table/tablewriter.h"

namespace qm {

namespace {

FileDialogSpec dialogSpec(const FileCommandState& s, FileDialogSpec::Kind kind, bool overwrite,
                          bool hideReadOnly) {
    FileDialogSpec spec;
    spec.kind = kind;
    spec.title = kind == FileDialogSpec::Kind::Open ? " Open" : " Save As";
    spec.initialFolder = s.msTableFolder;
    spec.initialFileName = mGetFileName(s.table.psTableFile);
    spec.overwritePrompt = overwrite;
    spec.hideReadOnly = hideReadOnly;
    return spec;
}

NodeExpandedFn expandedFn(FileCommandUi& ui) {
    return [&ui](int node) { return ui.isNodeExpanded(node); };
}

// Points the table at a new path and writes it there. When the write fails
// the table stays with its old file.
bool saveTo(FileCommandState& s, const std::string& path, UserPrompt& prompt, FileCommandUi& ui) {
    const std::string oldPath = s.table.psTableFile;
    const std::string oldFolder = s.msTableFolder;
    s.table.psTableFile = path;
    s.msTableFolder = folderPart(path, s.programFolder);
    if (pSaveTable(s.table, expandedFn(ui), prompt)) return true;
    s.table.psTableFile = oldPath;
    s.msTableFolder = oldFolder;
    return false;
}

} // namespace

SaveAnswer mAskSaveChanges(FileCommandState& s, UserPrompt& prompt, FileCommandUi& ui) {
    const MsgResult r = prompt.message("The file '" + s.psRootNodeText +
                                           "' has changed.\r\n\r\nDo you want to save the changes?",
                                       kDataTitle, MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (r == MsgResult::Yes) {
        const auto path = ui.fileDialog(dialogSpec(s, FileDialogSpec::Kind::SaveAs, true, false));
        if (!path) return SaveAnswer::YesCancel;
        // The settings remember the new path only once the table is there.
        if (!saveTo(s, *path, prompt, ui)) return SaveAnswer::YesCancel;
        ui.saveAllSettings();
        return SaveAnswer::YesSave;
    }
    if (r == MsgResult::No) {
        ui.saveAllSettings();
        pSaveNodeStatus(s.table.psTableFile, expandedFn(ui), prompt);
        return SaveAnswer::No;
    }
    return SaveAnswer::Cancel;
}

bool mOpenTable(FileCommandState& s, const ReadContext& read, UserPrompt& prompt,
                FileCommandUi& ui) {
    // The table is read into a fresh one: the working table, its path and its
    // changed flag stay as they are until a file has been read.
    ConversionTable fresh;
    for (bool asked = false;; asked = true) {
        // Once answered, the question is not asked again when the dialog comes back.
        if (s.table.pbTableChanged && !asked) {
            ui.leaveTopmost();
            const SaveAnswer a = mAskSaveChanges(s, prompt, ui);
            if (a == SaveAnswer::Cancel || a == SaveAnswer::YesCancel) {
                ui.restoreTopmost();
                return false;
            }
        }
        ui.leaveTopmost();
        const auto path = ui.fileDialog(dialogSpec(s, FileDialogSpec::Kind::Open, false, true));
        if (!path) {
            ui.restoreTopmost();
            return false;
        }
        fresh = ConversionTable{};
        fresh.psTableFile = *path;
        if (pReadTable(fresh, read) == 0) break;
    }
    // What is being edited is not part of the file.
    fresh.pnNewItemIcon = s.table.pnNewItemIcon;
    fresh.psNewItemName = std::move(s.table.psNewItemName);
    fresh.ptNewUnit = std::move(s.table.ptNewUnit);
    s.table = std::move(fresh);
    pCheckSelNodeIndex(s.table, s.pnSelNodeIndex);
    s.psRootNodeText = mGetFileName(s.table.psTableFile);
    s.msTableFolder = folderPart(s.table.psTableFile, s.programFolder);
    ui.tableReplaced();
    s.mnReadError = 0;
    ui.restoreTopmost();
    return true;
}

bool mSaveTable(FileCommandState& s, UserPrompt& prompt, FileCommandUi& ui) {
    if (!s.table.pbTableChanged) return false;
    if (prompt.message("Do you really want to overwrite the existing file?", " Save",
                       MsgIcon::Exclamation, MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    if (!pSaveTable(s.table, expandedFn(ui), prompt)) return false;
    s.table.pbTableChanged = false;
    return true;
}

bool mSaveTableAs(FileCommandState& s, UserPrompt& prompt, FileCommandUi& ui) {
    ui.leaveTopmost();
    const auto path = ui.fileDialog(dialogSpec(s, FileDialogSpec::Kind::SaveAs, true, true));
    if (!path) {
        ui.restoreTopmost();
        return false;
    }
    const bool written = saveTo(s, *path, prompt, ui);
    if (written) {
        s.table.pbTableChanged = false;
        s.psRootNodeText = mGetFileName(*path);
        ui.rootTextChanged();
    }
    ui.restoreTopmost();
    return written;
}

} // namespace qm
