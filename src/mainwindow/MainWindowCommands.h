// The main window's command surface: the menu bar, the popup menus used as
// context menus, the toolbar, the menu refresh and long-press timers, and the
// File commands with their dialogs. A helper of the main window; menus are
// arrays addressed by index (separators included), one handler per array.
#pragma once

#include "calculator/evaluator.h"
#include "mainwindow/menustate.h"
#include "table/filecommands.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMouseEvent;
class QTimer;
class QToolBar;

namespace qm {

class MainWindow;
class MainWindowFileUi;

// The commands of windows that are opened from the main window. A menu item
// or button whose command is not set stays unavailable.
struct WindowCommandHooks {
    std::function<void()> print, find, calculator, options, about;
    // Context-menu items by their array index.
    std::function<void(int)> editCategory, editGroup, editUnit;
    std::function<void()> showMemo;
    // The calculator window is open (the paste commands follow the clipboard).
    std::function<bool()> calculatorShown;
};

struct MainMenus {
    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuTools = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuEditCopy = nullptr;
    QMenu* mnuEditPaste = nullptr;
    QMenu* mnuEditHistory = nullptr;
    QMenu* mnuViewArrange = nullptr;
    std::array<QAction*, 7> mnuFileArray{};
    // "Print Pre&view..." and "Export as P&DF...", after "&Print...".
    std::array<QAction*, 2> mnuFilePrintArray{};
    std::array<QAction*, 6> mnuEditArray{};
    std::array<QAction*, 8> mnuEditHistoryArray{};
    std::array<QAction*, 4> mnuViewArray{};
    std::array<QAction*, 2> mnuViewArrangeArray{};
    std::array<QAction*, 3> mnuToolsArray{};
    std::array<QAction*, 3> mnuHelpArray{};
    // Popups.
    QMenu* mnuEditCategory = nullptr;
    QMenu* mnuEditGroup = nullptr;
    QMenu* mnuEditUnit = nullptr;
    QMenu* mnuMath = nullptr;
    QMenu* mnuLog = nullptr;
    QMenu* mnuTrig = nullptr;
    std::array<QAction*, 3> mnuEditCategoryArray{};
    std::array<QAction*, 4> mnuEditGroupArray{};
    std::array<QAction*, 2> mnuShowMemoArray{};
    std::array<QAction*, 6> mnuEditUnitArray{};
    std::array<QAction*, 2> mnuLogArray{};
    std::array<QAction*, 2> mnuTrigArray{};
};

class MainWindowCommands : public QObject {
    Q_OBJECT
  public:
    explicit MainWindowCommands(MainWindow& w);
    ~MainWindowCommands() override;

    MainMenus menus;
    WindowCommandHooks hooks;
    // Answers the Open and Save As dialogs instead of showing them (tests).
    std::function<std::optional<std::string>(const FileDialogSpec&)> fileDialogHook;

    QToolBar* toolbar() const { return Toolbar1; }
    QAction* button(const QString& key) const; // nullptr for an unknown key
    QTimer* refreshTimer() const { return tmrChangeMenus; }
    QTimer* delayTimer() const { return tmrDelay; }
    const CalcOptions& calcOptions() const { return calc_; }
    bool flatToolbar() const { return flat_; }

    // File commands.
    void mOpenTable();
    void mSaveTable();
    void mSaveTableAs();
    // Printing (MainWindowPrint.cpp): the printer dialog, the preview, a PDF file.
    void mPrint();
    void mPrintPreview();
    void mExportPdf();
    // Asks to save a changed table before closing; true lets the window close.
    bool askSaveBeforeClosing();

    // One tick of the refresh timer.
    void refresh();
    // Switches the menus, the toolbar and the shortcuts off (the About window
    // is open) or on again; the refresh timer stops and starts with them.
    void mEnableMainCommands(bool enabled);
    // The checked view and arrange items and pressed buttons follow the settings.
    void syncViewChecks();
    // The calculator window switches its copy (and paste) commands.
    void enableCalculationCommands(bool copy, std::optional<bool> paste = std::nullopt);
    // Shows or hides the menu bar and the toolbar as the settings say.
    void applyBars();
    // Makes the history items show the history's entries.
    void updateHistoryItems();

    // Called by the window after its own handling of a press on the tree or
    // the list, and on a click on the list.
    void treePressed(QMouseEvent* e);
    void listPressed(QMouseEvent* e, bool onRow);
    void listClicked();

    // The menu items' availability as last planned (before the hooks decide).
    bool plannedEnabled(const QAction* item) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // MainWindowMenus.cpp
    void buildMenuBar();
    void buildPopups();
    void fileClick(int i);
    void editClick(int i);
    void historyClick(int i);
    void viewClick(int i);
    void arrangeClick(int i);
    void toolsClick(int i);
    void helpClick(int i);
    void editCategoryClick(int i);
    void editGroupClick(int i);
    void editUnitClick(int i);
    void showMemoClick(int i);
    void logClick(int i);
    void trigClick(int i);
    void delayTick();
    void showHelpContents();
    // Items whose work is done by a window that may not be there: the
    // planned state is kept, the item is available when its command is set.
    void setPlanned(QAction* item, bool enabled);
    bool available(const QAction* item) const;
    void reapplyAvailability();
    void applyAtShow();

    // MainWindowPrint.cpp
    void buildPrintItems();
    void filePrintClick(int i);
    std::optional<std::string> pdfFileDialog(const FileDialogSpec& spec);

    // MainWindowToolbar.cpp
    void buildToolbar();
    void buttonClick(const QString& key);
    void applyToolbarSettings();
    void restoreToolbarLayout();
    void saveToolbarLayout();
    void toolbarContextMenu(const QPoint& pos);
    bool toolbarEvent(QObject* watched, QEvent* event);
    void toggleFlat();
    void setFlat(bool on);
    void setButtonEnabled(const char* key, bool on);
    void setButtonChecked(const char* key, bool on);

    MainWindow& w_;
    QToolBar* Toolbar1 = nullptr;
    std::map<QString, QAction*> buttons_;
    QTimer* tmrChangeMenus = nullptr;
    QTimer* tmrDelay = nullptr;
    LongPress longPress_;
    CalcOptions calc_;
    bool flat_ = true;
    bool shown_ = false;           // the window has been shown once
    bool restoringLayout_ = false; // no saving while the stored layout is applied
    std::map<const QAction*, bool> planned_;
    // Shortcuts switched off while the About window is open.
    std::vector<QPointer<QAction>> switchedOff_;
    QPoint pressPos_;                          // where the last right press on the list was
    bool pressOnRow_ = true;                   // and whether it hit a unit row
    std::string savedToolbar_;                 // the toolbar layout last written
    std::shared_ptr<MainWindowFileUi> fileUi_; // made on first use
};

} // namespace qm
