// The main window: the category tree, the unit list, the two conversion boxes
// with the arrow between them, and the status bar naming the chosen units.
#pragma once

#include "core/runerror.h"
#include "core/userprompt.h"
#include "editing/edithistory.h"
#include "editing/itemops.h"
#include "mainwindow/layoutlogic.h"
#include "mainwindow/program.h"
#include "mainwindow/viewlogic.h"
#include "settings/config.h"
#include "settings/settingsstore.h"

#include <QMainWindow>

#include <array>
#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QIcon;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QSplitter;
class QStackedWidget;
class QStandardItem;
class QStandardItemModel;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class QHBoxLayout;

namespace qm {

class MainWindowCommands;
class MainWindowDrag;
class MainWindowEdit;
class MainWindowFileUi;
struct OptionValues;

// A picture of the program's resources, loaded once.
QIcon sharedIcon(const QString& path);

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Brings the program up (reads the settings and the data file, builds the
    // tree and the list, restores the selection) and shows the window. The
    // program state, the prompt and the settings store stay owned by the caller.
    MainWindow(Program& program, UserPrompt& prompt, SettingsStore& store,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- Hooks for the windows and menus that come later ----
    // Asked on closing while the table has unsaved changes; true lets the
    // window close. Unset: a plain Yes/No/Cancel question saves on Yes.
    std::function<bool()> askSaveOnClose;
    // The calculator's formula and result texts (copy argument 1).
    std::function<std::pair<std::string, std::string>()> calculatorTexts;
    // Puts a pasted text into the calculator's formula field (paste argument 1).
    std::function<void(const std::string&)> pasteCalculation;

    // ---- Commands ----
    void mCopy(int n);  // 0 conversion result, 1 calculation result, 2 unit properties
    void mPaste(int n); // 0 as conversion input, 1 as calculation input
    void swapUnits();
    // Converts when both units of the category on show are chosen; the way
    // every event (a click, Enter, a swap, new options) asks for a conversion.
    void convertIfReady();
    void pExecConversion();
    void pClearConversion();
    void pUpdateTreeView();
    void pUpdateListView(const std::string& categoryName);
    void pCheckColumnHeaders();
    void mChangeColumnHeaders(int layout);
    void pUpdateCaption();
    void mSetListView(int n);    // 0 List, 1 Details
    void mChangeSortType(int n); // 0 categories, 1 units
    void mPreserveTreeNodeStatus();
    void pSetViewFont();
    // Options (MainWindowOptions.cpp): opens the dialog; takes its values on
    // OK and shows them at once; gives the window and the open tool windows
    // their own on-top state back.
    void mShowOptions();
    void applyOptions(const OptionValues& v);
    void pSetTopmost(bool on);
    void pRestoreTopmost();
    // Selects tree node n as a mouse press on it would.
    void selectNode(int node);

    // ---- Changes to the table (MainWindowEdit.cpp) ----
    // Every change to the table goes through here: the table as it was is kept
    // for undo under the label ("Rename Unit"), the edit runs, a refusal is
    // shown to the user, and after a change the tree and the list are rebuilt
    // and the node and the unit that the edit names are selected. `unitsOf`:
    // the one category whose units the edit may change (kNoUnits for none);
    // the default keeps every unit for undo, which costs more time.
    using TableEdit = std::function<EditResult(ConversionTable&)>;
    EditResult applyTableEdit(const std::string& label, const TableEdit& edit,
                              int unitsOf = kAllUnits);
    // One step back or forward through the changes; false when there is none.
    bool undoTableEdit();
    bool redoTableEdit();
    // Selects the list row of that unit of the category on show.
    void selectUnitRow(int unit);
    // The editing commands: Edit menu items, context menus and their dialogs.
    MainWindowEdit* editCommands() const { return edit_; }

    // ---- What the window shows (menus and tests read these) ----
    Program& program() { return program_; }
    QString panelText(int panel) const; // status bar panel 1..4
    bool bothUnitsChosen() const;
    QTreeWidget* treeView() const { return TreeView1; }
    QTreeWidgetItem* nodeItem(int node) const; // by node index, nullptr outside
    int nodeIndexOf(const QTreeWidgetItem* item) const;
    QTableView* detailsView() const { return listDetails_; }
    QListView* listModeView() const { return listList_; }
    QStandardItemModel* listModel() const { return listModel_; }
    QLineEdit* inputBox() const { return txtInput; }
    QLineEdit* outputBox() const { return txtOutput; }
    QLabel* arrowImage() const { return imgPoint; }
    QMenu* swapMenu() const { return mnuSwap; }
    int listRowCount() const;
    QString listRowText(int row) const;
    // Layout in twips and the splitter between tree and list (MainWindowLayout.cpp).
    const FormLayout& formLayout() const { return layout_; }
    QWidget* splitterImage() const { return imgSplitter; }
    // Menus, toolbar, context menus and the File commands.
    MainWindowCommands* commands() const { return commands_; }
    // Dragging categories and units (MainWindowDrag.cpp).
    MainWindowDrag* dragger() const { return drag_; }
    // The list row's mark of the chosen units (a UnitMark), on its first column.
    static constexpr int kUnitMarkRole = Qt::UserRole + 7;

  signals:
    // The history got a new entry (the Edit menu shows it).
    void historyChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The controls (MainWindow.cpp).
    void buildWidgets();
    void buildTree(QWidget* form);
    void buildList(QWidget* form);
    void buildDetailsView();
    void buildBoxes(QWidget* form);
    void buildStatusBar();
    void buildSwapMenu();
    void watchWidgets();

    // Start-up and shutdown (MainWindowStartup.cpp).
    void startUp();
    void applyLocale();
    bool confirmCloseWithChanges();
    float toTwipsX(int px) const;
    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    // Runs a handler, reporting a run-time failure with its last label.
    template <class F> void guarded(F&& f);

    // Tree (MainWindowTree.cpp).
    void treeMouseDown(QMouseEvent* e);
    void treeMouseUp(QMouseEvent* e);
    bool treeKeyPress(QKeyEvent* e);
    void treeNodeClick(int node, bool secondClick);
    void treeItemChanged(QTreeWidgetItem* item, int column);
    void saveColumnWidths();
    void restoreSelectionAtStart();

    // List (MainWindowList.cpp).
    void listMouseDown(QMouseEvent* e, QWidget* viewport);
    void listMouseUp(QMouseEvent* e);
    bool listKeyPress(QKeyEvent* e);
    void listItemClick(int row, bool secondClick);
    void listItemChanged(QStandardItem* item);
    void listColumnClick(int column);
    void clearList();
    void applyGridLines();
    void showSortIndicator();

    // Conversion (MainWindowConversion.cpp).
    void chooseUnit(bool into, int16_t unit, const QString& name);
    void setPanel(int panel, const QString& text);
    void outputChanged(const QString& text);
    bool arrowMousePress(QMouseEvent* e);

    // Layout and resizing (MainWindowLayout.cpp).
    void buildLayoutControls();
    void applyInitialLayout();
    void startLayout();
    void measureControls();
    void placeControls();
    void formResize();
    void restoreWindowSize(int width, int height);
    void closeToolWindows();
    void startBoxDrag(QWidget* handle, const QMouseEvent* e);
    bool layoutEvent(QObject* watched, QEvent* event);
    WindowRect windowRectTwips() const;
    WindowCapture captureWindow() const;

    // Showing the chosen pair and pasting (MainWindowMarks.cpp, MainWindowConversion.cpp).
    void installListAids();
    void installInputAids();
    void showUnitMarks();
    void showBoxPlaceholders();
    UnitChoice unitChoice() const;
    void pasteIntoInput(const QString& clip, bool replaceAll);

    // Names for screen readers (MainWindowAccessibility.cpp).
    void installAccessibility();
    void namePanel(int panel);

    // Menus (MainWindowMenus.cpp).
    void buildMenus();
    void refreshAfterEdit(int node, int unit, bool treeChanged);
    // One step back or forward (EditHistory::undo or ::redo) with the views refreshed.
    bool stepTableEdits(bool (EditHistory::*step)(ConversionTable&));
    friend class MainWindowCommands;
    friend class MainWindowEdit;
    MainWindowEdit* edit_ = nullptr;
    friend class MainWindowFileUi;
    friend class MainWindowDrag;
    MainWindowCommands* commands_ = nullptr;
    MainWindowDrag* drag_ = nullptr;

    Program& program_;
    UserPrompt& prompt_;
    SettingsStore& store_;
    Progress progress_;

    QTreeWidget* TreeView1 = nullptr;
    QStackedWidget* ListView1 = nullptr;
    QTableView* listDetails_ = nullptr;
    QListView* listList_ = nullptr;
    QStandardItemModel* listModel_ = nullptr;
    QLineEdit* txtInput = nullptr;
    QLineEdit* txtOutput = nullptr;
    QLabel* imgPoint = nullptr;
    QWidget* imgSplitter = nullptr;
    FormLayout layout_;
    QWidget* boxDragHandle_ = nullptr; // the arrow or the background while dragging box widths
    std::array<QLabel*, 4> panels_{};
    QMenu* mnuSwap = nullptr;
    QAction* swapAction_ = nullptr;
    std::array<QAction*, 3> mnuEditCopyArray{};
    std::array<QAction*, 2> mnuEditPasteArray{};
    QMenu* historyMenu_ = nullptr;

    std::vector<TreeNode> treeNodes_;
    std::vector<QTreeWidgetItem*> nodeItems_; // node index - 1 -> item
    bool building_ = false;                   // filling views: no edit handling

    // Mouse and label-edit state.
    RenameClicks treeClicks_; // the last node click, by node index
    RenameClicks listClicks_; // the last item click, by row + 1
    int pressedNode_ = 0;
    bool mItemX = false; // the last list press hit a row
    int editNode_ = 0;   // node being renamed, 0 none
    int16_t editCategory_ = -1;
    bool listEditing_ = false;
    int16_t editUnitCategory_ = -1;
    int16_t editUnit_ = 0;
    bool columnClickAscending_ = false; // the Boolean kept between column clicks
    bool sortDescending_ = false;       // the list's sort order
    QSize frameExtra_{0, 0};            // outer minus inner size, as last measured
};

template <class F> void MainWindow::guarded(F&& f) {
    try {
        f();
    } catch (const std::exception&) {
        prompt_.reportError(progress_.label());
    }
}

} // namespace qm
