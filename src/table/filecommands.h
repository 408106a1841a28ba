// The File commands that move the table between memory and disk: Open, Save,
// Save As, and the question asked before a changed table is discarded. The
// window supplies the dialogs and the view updates through FileCommandUi.
#pragma once

#include "core/userprompt.h"
#include "table/conversiontable.h"
#include "table/tablereader.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qm {

// The filter of the Open and Save As dialogs, in "description|patterns|" pairs.
inline constexpr const char* kDataFileFilter =
    "Data files (*.dat;*.txt)|*.dat;*.txt|All Files (*.*)|*.*|";

struct FileDialogSpec {
    enum class Kind { Open, SaveAs } kind = Kind::Open;
    std::string title; // " Open" or " Save As"
    std::string filter = kDataFileFilter;
    std::string initialFolder;   // msTableFolder
    std::string initialFileName; // the file-name part of the current path
    bool overwritePrompt = false;
    bool hideReadOnly = false;
};

// Answers of the save question.
enum class SaveAnswer { Cancel, YesCancel, YesSave, No };

class FileCommandUi {
  public:
    virtual ~FileCommandUi() = default;
    // The chosen path, or nullopt when the user cancelled the dialog.
    virtual std::optional<std::string> fileDialog(const FileDialogSpec& spec) = 0;
    virtual void saveAllSettings() = 0;
    virtual bool isNodeExpanded(int node) = 0;
    virtual void leaveTopmost() = 0;
    virtual void restoreTopmost() = 0;
    // Another table was opened: rebuild the tree, empty the list. mnReadError
    // still tells whether the start-up read had failed (it becomes 0 right after).
    virtual void tableReplaced() = 0;
    // The root node's text changed (Save As).
    virtual void rootTextChanged() = 0;
};

// The state the commands read and change.
struct FileCommandState {
    ConversionTable& table;
    std::string& psRootNodeText;
    std::string& msTableFolder;
    int16_t& pnSelNodeIndex;
    int16_t& mnReadError;
    const std::string programFolder;
};

// Asks whether to save the changed table. A save that fails answers
// YesCancel, so that nothing is discarded that was not written.
SaveAnswer mAskSaveChanges(FileCommandState& s, UserPrompt& prompt, FileCommandUi& ui);

// Open: asks to save a changed table, then shows the Open dialog until a file
// reads or the user cancels. True when another table was read; otherwise the
// table, its path and its changed flag are as they were.
bool mOpenTable(FileCommandState& s, const ReadContext& read, UserPrompt& prompt,
                FileCommandUi& ui);

// Save: only a changed table, after "Do you really want to overwrite the
// existing file?". True when the table was written.
bool mSaveTable(FileCommandState& s, UserPrompt& prompt, FileCommandUi& ui);

// Save As: writes even an unchanged table. True when written.
bool mSaveTableAs(FileCommandState& s, UserPrompt& prompt, FileCommandUi& ui);

} // namespace qm
