// The File commands Open, Save and Save As, and the save question asked
// before closing, with the Open and Save As dialogs.
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include "settings/config.h"
#include "table/fileio.h"

#include <QDir>
#include <QFileDialog>
#include <QTableView>
#include <QTreeWidget>

namespace qm {

// The window's side of the File commands.
class MainWindowFileUi : public FileCommandUi {
  public:
    MainWindowFileUi(MainWindow& w, MainWindowCommands& c) : w_(w), c_(c) {}

    std::optional<std::string> fileDialog(const FileDialogSpec& spec) override {
        if (c_.fileDialogHook) return c_.fileDialogHook(spec);
        QFileDialog dialog(&w_, QString::fromStdString(spec.title),
                           QString::fromStdString(spec.initialFolder),
                           QString::fromStdString(qtFileFilter(spec.filter)));
        dialog.setObjectName(spec.kind == FileDialogSpec::Kind::Open ? QStringLiteral("dlgOpen")
                                                                     : QStringLiteral("dlgSaveAs"));
        const bool save = spec.kind == FileDialogSpec::Kind::SaveAs;
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.overwritePrompt);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (!spec.initialFileName.empty())
            dialog.selectFile(QString::fromStdString(spec.initialFileName));
        if (save) dialog.setDefaultSuffix(QStringLiteral("dat"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
    }

    void saveAllSettings() override {
        w_.saveColumnWidths();
        w_.mPreserveTreeNodeStatus();
        pSaveCfg(w_.program_.settings, w_.program_.table, w_.captureWindow(), w_.store_);
        w_.store_.flush();
    }

    bool isNodeExpanded(int node) override {
        const QTreeWidgetItem* item = w_.nodeItem(node);
        return item && item->isExpanded();
    }

    void leaveTopmost() override { w_.pSetTopmost(false); }
    void restoreTopmost() override { w_.pRestoreTopmost(); }

    void tableReplaced() override {
        Program& p = w_.program_;
        p.editHistory.clear(); // the changes belong to the old table
        // The old category's choice and caption belong to the old table.
        p.sel.psSelGroupName.clear();
        p.sel.pnSelGroupIndex = -1;
        p.sel.pnLastGroupIndex = -1;
        w_.pUpdateTreeView();
        w_.clearList();
        w_.pClearConversion();
        w_.pUpdateCaption();
        w_.mSetListView(p.settings.View == 2 ? 0 : 1);
        if (p.mnReadError == 1 && p.settings.ShowGridLines != 0) w_.listDetails_->setShowGrid(true);
        c_.syncViewChecks();
    }

    void rootTextChanged() override {
        if (QTreeWidgetItem* root = w_.nodeItem(1))
            root->setText(0, QString::fromStdString(w_.program_.settings.psRootNodeText));
    }

    FileCommandState state() {
        Program& p = w_.program_;
        return FileCommandState{p.table,         p.settings.psRootNodeText,
                                p.msTableFolder, p.pnSelNodeIndex(),
                                p.mnReadError,   p.programFolder};
    }

  private:
    MainWindow& w_;
    MainWindowCommands& c_;
};

MainWindowCommands::~MainWindowCommands() {
    if (w_.commands_ == this) w_.commands_ = nullptr;
}

void MainWindowCommands::mOpenTable() {
    if (!fileUi_) fileUi_ = std::make_shared<MainWindowFileUi>(w_, *this);
    Program& p = w_.program_;
    FileCommandState s = fileUi_->state();
    const ReadContext read{w_.prompt_, p.decimal, p.programFolder, p.twipsPerPixelX, false};
    qm::mOpenTable(s, read, w_.prompt_, *fileUi_);
    refresh();
}

void MainWindowCommands::mSaveTable() {
    if (!fileUi_) fileUi_ = std::make_shared<MainWindowFileUi>(w_, *this);
    FileCommandState s = fileUi_->state();
    qm::mSaveTable(s, w_.prompt_, *fileUi_);
    refresh();
}

void MainWindowCommands::mSaveTableAs() {
    if (!fileUi_) fileUi_ = std::make_shared<MainWindowFileUi>(w_, *this);
    FileCommandState s = fileUi_->state();
    qm::mSaveTableAs(s, w_.prompt_, *fileUi_);
    refresh();
}

bool MainWindowCommands::askSaveBeforeClosing() {
    if (!fileUi_) fileUi_ = std::make_shared<MainWindowFileUi>(w_, *this);
    FileCommandState s = fileUi_->state();
    fileUi_->leaveTopmost();
    const SaveAnswer a = qm::mAskSaveChanges(s, w_.prompt_, *fileUi_);
    if (a == SaveAnswer::Cancel || a == SaveAnswer::YesCancel) {
        fileUi_->restoreTopmost();
        return false;
    }
    return true;
}

} // namespace qm
