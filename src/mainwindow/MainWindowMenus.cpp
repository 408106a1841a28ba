// The menu bar, the popup menus used as context menus, the menu refresh
// timer and the long press on a unit row.
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include "auxwindows/AboutDialog.h"
#include "auxwindows/HelpWindow.h"
#include "auxwindows/frmMemo.h"
#include "calculator/CalculatorDialog.h"
#include "editing/MainWindowEdit.h"
#include "find/FindDialog.h"
#include "find/QuickSearchPopup.h"
#include "settings/frmListProp.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace qm {

namespace {

// A box that takes a window shortcut's key for itself (on X11 a line edit
// deletes its line on Ctrl+U) lets that key through to the shortcut. It
// watches the whole program, so that no handler of the box comes first.
class KeepShortcutInBox : public QObject {
  public:
    KeepShortcutInBox(QWidget* box, QAction* shortcut)
        : QObject(shortcut), box_(box), shortcut_(shortcut) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_ || event->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (QKeySequence(key->keyCombination()) != shortcut_->shortcut()) return false;
        event->ignore(); // the shortcut, not the box, gets the key
        return true;
    }

  private:
    QWidget* box_;
    QAction* shortcut_;
};

} // namespace

void MainWindow::buildMenus() {
    commands_ = new MainWindowCommands(*this);
    edit_ = new MainWindowEdit(*this);
}

namespace {

// Adds the items of one menu array; "-" is a separator. Returns the actions.
template <std::size_t N>
void addItems(QMenu* menu, std::array<QAction*, N>& array,
              const std::array<const char*, N>& captions) {
    for (std::size_t i = 0; i < N; ++i) {
        const QString caption = QString::fromUtf8(captions[i]);
        array[i] = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    }
}

// Connects every item of an array to one handler that takes the item's index.
template <std::size_t N, class F>
void connectArray(QObject* owner, const std::array<QAction*, N>& array, F handler) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!array[i] || array[i]->isSeparator() || array[i]->menu()) continue;
        QObject::connect(array[i], &QAction::triggered, owner,
                         [handler, i] { handler(static_cast<int>(i)); });
    }
}

// A history entry as a menu caption: "&" stays a plain character.
QString historyCaption(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

MainWindowCommands::MainWindowCommands(MainWindow& w) : QObject(&w), w_(w) {
    buildMenuBar();
    buildPopups();
    buildToolbar();
    w_.askSaveOnClose = [this] { return askSaveBeforeClosing(); };
    hooks.find = [this] { FindDialog::showFor(w_); };
    hooks.about = [this] { frmAbout::showFor(w_); };
    hooks.options = [this] { w_.mShowOptions(); };
    hooks.showMemo = [this] { frmMemo::showFor(w_, w_.prompt_); };
    hooks.calculator = [this] { CalculatorDialog::mShowCalculator(w_, w_.prompt_); };
    hooks.calculatorShown = [this] { return CalculatorDialog::shownFor(w_); };
    // F3 repeats the last search while the Find dialog is closed.
    auto* findAgain = new QAction(QStringLiteral("Find Next"), this);
    findAgain->setObjectName(QStringLiteral("findAgain"));
    findAgain->setShortcut(QKeySequence(Qt::Key_F3));
    w_.addAction(findAgain);
    connect(findAgain, &QAction::triggered, this, [this] { FindDialog::repeatFor(w_); });
    // The quick unit search, after the Edit menu's own items.
    QAction* goTo = menus.mnuEdit->addAction(QStringLiteral("&Go to Unit..."));
    goTo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    w_.addAction(goTo);
    connect(goTo, &QAction::triggered, this, [this] { QuickSearchPopup::showFor(w_); });
    new KeepShortcutInBox(w_.txtInput, goTo);

    tmrChangeMenus = new QTimer(this);
    tmrChangeMenus->setObjectName(QStringLiteral("tmrChangeMenus"));
    tmrChangeMenus->setInterval(200);
    connect(tmrChangeMenus, &QTimer::timeout, this, &MainWindowCommands::refresh);
    tmrChangeMenus->start();

    tmrDelay = new QTimer(this);
    tmrDelay->setObjectName(QStringLiteral("tmrDelay"));
    tmrDelay->setInterval(LongPress::kInterval);
    connect(tmrDelay, &QTimer::timeout, this, &MainWindowCommands::delayTick);

    connect(&w_, &MainWindow::historyChanged, this, &MainWindowCommands::updateHistoryItems);
    w_.installEventFilter(this);
    reapplyAvailability();
}

void MainWindowCommands::buildMenuBar() {
    MainMenus& m = menus;
    QMenuBar* bar = w_.menuBar();

    m.mnuFile = bar->addMenu(QStringLiteral("&File"));
    addItems<7>(m.mnuFile, m.mnuFileArray,
                {"&Open...", "&Save", "Save &As...", "-", "&Print...", "-", "E&xit"});
    m.mnuFileArray[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m.mnuFileArray[2]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m.mnuFileArray[4]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connectArray(this, m.mnuFileArray, [this](int i) { fileClick(i); });
    buildPrintItems();

    m.mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    m.mnuEditCopy = m.mnuEdit->addMenu(QStringLiteral("&Copy"));
    m.mnuEditPaste = m.mnuEdit->addMenu(QStringLiteral("&Paste"));
    QAction* sep2 = m.mnuEdit->addSeparator();
    m.mnuEditHistory = m.mnuEdit->addMenu(QStringLiteral("&History"));
    QAction* sep4 = m.mnuEdit->addSeparator();
    QAction* find = m.mnuEdit->addAction(QStringLiteral("&Find..."));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m.mnuEditArray = {m.mnuEditCopy->menuAction(),
                      m.mnuEditPaste->menuAction(),
                      sep2,
                      m.mnuEditHistory->menuAction(),
                      sep4,
                      find};
    connectArray(this, m.mnuEditArray, [this](int i) { editClick(i); });

    addItems<3>(m.mnuEditCopy, w_.mnuEditCopyArray,
                {"Con&version Result", "&Calculation Result", "&Unit Properties"});
    for (QAction* a : w_.mnuEditCopyArray)
        a->setEnabled(false);
    connectArray(this, w_.mnuEditCopyArray, [this](int i) { w_.mCopy(i); });
    addItems<2>(m.mnuEditPaste, w_.mnuEditPasteArray,
                {"As Con&version Input", "As &Calculation Input"});
    for (QAction* a : w_.mnuEditPasteArray)
        a->setEnabled(false);
    connectArray(this, w_.mnuEditPasteArray, [this](int i) { w_.mPaste(i); });

    addItems<8>(m.mnuEditHistory, m.mnuEditHistoryArray, {"0", "1", "2", "3", "4", "5", "6", "7"});
    for (std::size_t i = 1; i < m.mnuEditHistoryArray.size(); ++i)
        m.mnuEditHistoryArray[i]->setVisible(false);
    m.mnuEditHistory->setEnabled(false);
    w_.historyMenu_ = m.mnuEditHistory;
    connectArray(this, m.mnuEditHistoryArray, [this](int i) { historyClick(i); });
    connect(m.mnuEdit, &QMenu::aboutToShow, this, &MainWindowCommands::updateHistoryItems);

    m.mnuView = bar->addMenu(QStringLiteral("&View"));
    QAction* list = m.mnuView->addAction(QStringLiteral("&List"));
    QAction* details = m.mnuView->addAction(QStringLiteral("&Details"));
    QAction* sepView = m.mnuView->addSeparator();
    m.mnuViewArrange = m.mnuView->addMenu(QStringLiteral("&Arrange"));
    m.mnuViewArray = {list, details, sepView, m.mnuViewArrange->menuAction()};
    list->setCheckable(true);
    details->setCheckable(true);
    details->setChecked(true);
    auto* viewGroup = new QActionGroup(this); // one of the two, shown as a radio mark
    viewGroup->addAction(list);
    viewGroup->addAction(details);
    connectArray(this, m.mnuViewArray, [this](int i) { viewClick(i); });
    addItems<2>(m.mnuViewArrange, m.mnuViewArrangeArray, {"&Categories by Name", "&Units by Name"});
    for (QAction* a : m.mnuViewArrangeArray)
        a->setCheckable(true);
    connectArray(this, m.mnuViewArrangeArray, [this](int i) { arrangeClick(i); });

    m.mnuTools = bar->addMenu(QStringLiteral("&Tools"));
    addItems<3>(m.mnuTools, m.mnuToolsArray, {"&Calculator...", "-", "&Options..."});
    m.mnuToolsArray[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connectArray(this, m.mnuToolsArray, [this](int i) { toolsClick(i); });

    m.mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    addItems<3>(m.mnuHelp, m.mnuHelpArray, {"&Contents", "-", "&About..."});
    connectArray(this, m.mnuHelpArray, [this](int i) { helpClick(i); });

    // The shortcuts work while the menu bar is hidden too.
    for (QAction* a :
         {m.mnuFileArray[0], m.mnuFileArray[2], m.mnuFileArray[4], find, m.mnuToolsArray[0]}) {
        a->setShortcutContext(Qt::WindowShortcut);
        w_.addAction(a);
    }
    for (QAction* a :
         {m.mnuFileArray[4], find, m.mnuToolsArray[0], m.mnuToolsArray[2], m.mnuHelpArray[2]})
        setPlanned(a, true);
}

void MainWindowCommands::buildPopups() {
    MainMenus& m = menus;
    m.mnuEditCategory = new QMenu(QStringLiteral("EditCategory"), &w_);
    m.mnuEditCategory->setObjectName(QStringLiteral("mnuEditCategory"));
    addItems<3>(m.mnuEditCategory, m.mnuEditCategoryArray, {"&Add...", "-", "&Delete..."});
    connectArray(this, m.mnuEditCategoryArray, [this](int i) { editCategoryClick(i); });

    m.mnuEditGroup = new QMenu(QStringLiteral("EditGroup"), &w_);
    m.mnuEditGroup->setObjectName(QStringLiteral("mnuEditGroup"));
    addItems<4>(m.mnuEditGroup, m.mnuEditGroupArray,
                {"&Insert...", "&Delete...", "-", "&Properties..."});
    connectArray(this, m.mnuEditGroupArray, [this](int i) { editGroupClick(i); });

    m.mnuEditUnit = new QMenu(QStringLiteral("EditUnit"), &w_);
    m.mnuEditUnit->setObjectName(QStringLiteral("mnuEditUnit"));
    addItems<2>(m.mnuEditUnit, m.mnuShowMemoArray, {"Show &Memo", "-"});
    addItems<6>(m.mnuEditUnit, m.mnuEditUnitArray,
                {"&Copy", "-", "&Insert...", "&Delete...", "-", "&Properties..."});
    connectArray(this, m.mnuShowMemoArray, [this](int i) { showMemoClick(i); });
    connectArray(this, m.mnuEditUnitArray, [this](int i) { editUnitClick(i); });

    for (QAction* a : m.mnuEditCategoryArray)
        setPlanned(a, true);
    for (QAction* a : m.mnuEditGroupArray)
        setPlanned(a, true);
    for (QAction* a : m.mnuEditUnitArray)
        setPlanned(a, true);
    setPlanned(m.mnuShowMemoArray[0], true);

    // The calculator's option menu.
    m.mnuMath = new QMenu(QStringLiteral("Math"), &w_);
    m.mnuMath->setObjectName(QStringLiteral("mnuMath"));
    m.mnuLog = m.mnuMath->addMenu(QStringLiteral("&Logarithm"));
    m.mnuTrig = m.mnuMath->addMenu(QStringLiteral("&Trigonometric"));
    addItems<2>(m.mnuLog, m.mnuLogArray, {"&Natural", "&Common"});
    addItems<2>(m.mnuTrig, m.mnuTrigArray, {"&Degree", "&Radian"});
    auto* logGroup = new QActionGroup(this);
    auto* trigGroup = new QActionGroup(this);
    for (std::size_t i = 0; i < 2; ++i) {
        m.mnuLogArray[i]->setCheckable(true);
        m.mnuTrigArray[i]->setCheckable(true);
        logGroup->addAction(m.mnuLogArray[i]);
        trigGroup->addAction(m.mnuTrigArray[i]);
    }
    m.mnuLogArray[0]->setChecked(true);
    m.mnuTrigArray[0]->setChecked(true);
    connectArray(this, m.mnuLogArray, [this](int i) { logClick(i); });
    connectArray(this, m.mnuTrigArray, [this](int i) { trigClick(i); });
}

// ---- Availability ----

bool MainWindowCommands::available(const QAction* item) const {
    const MainMenus& m = menus;
    const WindowCommandHooks& h = hooks;
    if (item == m.mnuFileArray[4] || item == button(QStringLiteral("Print"))) return bool(h.print);
    if (item == m.mnuEditArray[5] || item == button(QStringLiteral("Find"))) return bool(h.find);
    if (item == m.mnuToolsArray[0] || item == button(QStringLiteral("Calc")))
        return bool(h.calculator);
    if (item == m.mnuToolsArray[2] || item == button(QStringLiteral("Options")))
        return bool(h.options);
    if (item == m.mnuHelpArray[2]) return bool(h.about);
    if (item == m.mnuShowMemoArray[0]) return bool(h.showMemo);
    if (item == m.mnuEditUnitArray[0]) return true;                 // copies the unit's properties
    if (item == m.mnuEditUnitArray[5] && !pressOnRow_) return true; // the column headers
    for (const QAction* a : m.mnuEditCategoryArray)
        if (a == item) return bool(h.editCategory);
    for (const QAction* a : m.mnuEditGroupArray)
        if (a == item) return bool(h.editGroup);
    for (const QAction* a : m.mnuEditUnitArray)
        if (a == item) return bool(h.editUnit);
    return true;
}

void MainWindowCommands::setPlanned(QAction* item, bool enabled) {
    if (!item) return;
    planned_[item] = enabled;
    item->setEnabled(enabled && available(item));
}

bool MainWindowCommands::plannedEnabled(const QAction* item) const {
    const auto it = planned_.find(item);
    return it != planned_.end() ? it->second : (item && item->isEnabled());
}

void MainWindowCommands::reapplyAvailability() {
    for (const auto& [item, enabled] : planned_)
        const_cast<QAction*>(item)->setEnabled(enabled && available(item));
}

// ---- Refresh ----

void MainWindowCommands::refresh() {
    const Program& p = w_.program_;
    MenuRefreshInput in;
    in.expandedGroups = countExpandedGroups(p.table.pnCatGroupCount, [this](int node) {
        const QTreeWidgetItem* item = w_.nodeItem(node);
        return item && item->isExpanded();
    });
    in.listRows = w_.listRowCount();
    in.tableChanged = p.table.pbTableChanged;
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    in.clipboardHasText = clip && clip->hasText() && !clip->text().isEmpty();
    in.calculatorShown = hooks.calculatorShown && hooks.calculatorShown();
    const MenuRefresh r = menuRefresh(in);

    MainMenus& m = menus;
    m.mnuViewArrangeArray[0]->setEnabled(r.sortTree);
    setButtonEnabled("SortTree", r.sortTree);
    for (QAction* a : {m.mnuViewArray[0], m.mnuViewArray[1], m.mnuViewArrangeArray[1]})
        a->setEnabled(r.listCommands);
    for (const char* key : {"List", "Details", "SortList"})
        setButtonEnabled(key, r.listCommands);
    m.mnuFileArray[1]->setEnabled(r.save);
    w_.mnuEditPasteArray[0]->setEnabled(r.pasteConversion);
    if (r.pasteCalculation) w_.mnuEditPasteArray[1]->setEnabled(*r.pasteCalculation);
    syncViewChecks();
    reapplyAvailability();
}

void MainWindowCommands::mEnableMainCommands(bool enabled) {
    const MainMenus& m = menus;
    for (QMenu* menu : {m.mnuFile, m.mnuEdit, m.mnuView, m.mnuTools, m.mnuHelp})
        menu->setEnabled(enabled);
    if (!enabled) {
        tmrChangeMenus->stop();
        for (QAction* a : w_.actions())
            if (a->isEnabled()) switchedOff_.emplace_back(a);
        for (QAction* a : w_.actions())
            a->setEnabled(false);
        for (const auto& [key, b] : buttons_)
            b->setEnabled(false);
        return;
    }
    for (const QPointer<QAction>& a : switchedOff_)
        if (a) a->setEnabled(true);
    switchedOff_.clear();
    for (const char* key : {"Open", "SaveAs", "Print", "Find", "List", "Details", "SortTree",
                            "SortList", "Calc", "Options", "Help", "Exit"})
        setButtonEnabled(key, true);
    reapplyAvailability(); // a command without its window stays off
    tmrChangeMenus->start();
    // The copy and paste buttons follow their menu items again at the next tick.
    QTimer::singleShot(tmrChangeMenus->interval(), this, [this] {
        if (!tmrChangeMenus->isActive()) return;
        const std::pair<const char*, QAction*> mirrors[] = {{"Copy", w_.mnuEditCopyArray[0]},
                                                            {"CopyCalc", w_.mnuEditCopyArray[1]},
                                                            {"Paste", w_.mnuEditPasteArray[0]},
                                                            {"PasteCalc", w_.mnuEditPasteArray[1]}};
        for (const auto& [key, item] : mirrors)
            setButtonEnabled(key, item->isEnabled());
    });
}

void MainWindowCommands::enableCalculationCommands(bool copy, std::optional<bool> paste) {
    w_.mnuEditCopyArray[1]->setEnabled(copy);
    if (paste) w_.mnuEditPasteArray[1]->setEnabled(*paste);
}

void MainWindowCommands::syncViewChecks() {
    const Settings& s = w_.program_.settings;
    const bool listMode = s.View == 2;
    menus.mnuViewArray[0]->setChecked(listMode);
    menus.mnuViewArray[1]->setChecked(!listMode);
    menus.mnuViewArrangeArray[0]->setChecked(s.SortGroup);
    menus.mnuViewArrangeArray[1]->setChecked(s.SortUnit);
    setButtonChecked("List", listMode);
    setButtonChecked("Details", !listMode);
    setButtonChecked("SortTree", s.SortGroup);
    setButtonChecked("SortList", s.SortUnit);
}

void MainWindowCommands::updateHistoryItems() {
    const ConversionHistory& h = w_.program_.history;
    for (int i = 0; i < kHistorySize; ++i) {
        const std::string& text = h.entries[static_cast<std::size_t>(i)];
        QAction* item = menus.mnuEditHistoryArray[static_cast<std::size_t>(i)];
        if (i < h.count && !text.empty()) {
            item->setText(historyCaption(text));
            item->setVisible(true);
        } else if (h.count > 0) {
            item->setVisible(false); // no placeholder once the history is in use
        }
    }
}

// ---- Menu handlers, one per array ----

void MainWindowCommands::fileClick(int i) {
    switch (i) {
    case 0:
        mOpenTable();
        break;
    case 1:
        mSaveTable();
        break;
    case 2:
        mSaveTableAs();
        break;
    case 4:
        if (hooks.print) hooks.print();
        break;
    case 6:
        w_.close();
        break;
    default:
        break;
    }
}

void MainWindowCommands::editClick(int i) {
    if (i == 5 && hooks.find) hooks.find();
}

void MainWindowCommands::historyClick(int i) {
    const ConversionHistory& h = w_.program_.history;
    if (i < 0 || i >= h.count) return;
    QClipboard* clip = QGuiApplication::clipboard();
    clip->clear();
    clip->setText(QString::fromStdString(h.entries[static_cast<std::size_t>(i)]));
}

void MainWindowCommands::viewClick(int i) {
    if (i == 0 || i == 1) w_.mSetListView(i);
    syncViewChecks();
}

void MainWindowCommands::arrangeClick(int i) {
    w_.mChangeSortType(i);
    syncViewChecks();
}

void MainWindowCommands::toolsClick(int i) {
    if (i == 0 && hooks.calculator) hooks.calculator();
    if (i == 2 && hooks.options) hooks.options();
}

void MainWindowCommands::helpClick(int i) {
    if (i == 0) showHelpContents();
    if (i == 2 && hooks.about) hooks.about();
}

void MainWindowCommands::showHelpContents() {
    // The help file lies beside the program; an installed program whose data
    // live in the user's folder still has it there.
    QString folder = QCoreApplication::applicationDirPath();
    if (!QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Qmtrxdoc.hlp"))))
        folder = QString::fromStdString(w_.program_.programFolder);
    HelpWindow::showHelp(&w_, folder, 0, w_.prompt_);
}

void MainWindowCommands::editCategoryClick(int i) {
    if (hooks.editCategory) hooks.editCategory(i);
}

void MainWindowCommands::editGroupClick(int i) {
    if (hooks.editGroup) hooks.editGroup(i);
}

void MainWindowCommands::editUnitClick(int i) {
    if (i == 0) {
        w_.mCopy(2);
        return;
    }
    if (i == 5 && !pressOnRow_)
        frmListProp::showFor(w_);
    else if (hooks.editUnit)
        hooks.editUnit(i);
}

void MainWindowCommands::showMemoClick(int i) {
    if (i == 0 && hooks.showMemo) hooks.showMemo();
}

void MainWindowCommands::logClick(int i) {
    calc_.pnLogType = static_cast<int16_t>(i);
}
void MainWindowCommands::trigClick(int i) {
    calc_.pnTrigType = static_cast<int16_t>(i);
}

// ---- Context menus ----

void MainWindowCommands::treePressed(QMouseEvent* e) {
    if (e->button() != Qt::RightButton) return;
    Program& p = w_.program_;
    w_.guarded([&] {
        w_.progress_.set("TVMD14");
        const int node = w_.pressedNode_;
        if (node < 1 || node > static_cast<int>(w_.treeNodes_.size())) return;
        const int parent = w_.treeNodes_[static_cast<std::size_t>(node - 1)].parent;
        const TreeMenuPlan plan =
            treeMenuPlan(node, parent, p.table.pnCatGroupCount, p.settings.Modify != 0);
        if (plan.popup == TreePopup::None) return;
        const int groups = p.table.pnCatGroupCount;
        const char* label = "TVMD17";
        if (node == 1)
            label = "TVMD14";
        else if (node == groups + 2 || node == groups + 3)
            label = "TVMD15";
        else if (node == 2)
            label = "TVMD14A";
        else if (parent == 1)
            label = "TVMD16";
        w_.progress_.set(label);
        MainMenus& m = menus;
        if (plan.categoryAddCaption)
            m.mnuEditCategoryArray[0]->setText(QString::fromStdString(*plan.categoryAddCaption));
        if (plan.categoryDeleteEnabled)
            setPlanned(m.mnuEditCategoryArray[2], *plan.categoryDeleteEnabled);
        if (plan.groupInsertDeleteEnabled) {
            setPlanned(m.mnuEditGroupArray[0], *plan.groupInsertDeleteEnabled);
            setPlanned(m.mnuEditGroupArray[1], *plan.groupInsertDeleteEnabled);
        }
        reapplyAvailability();
        QMenu* menu = plan.popup == TreePopup::EditCategory ? m.mnuEditCategory : m.mnuEditGroup;
        menu->popup(e->globalPosition().toPoint());
    });
}

void MainWindowCommands::listPressed(QMouseEvent* e, bool onRow) {
    if (e->button() != Qt::RightButton) return;
    pressOnRow_ = onRow;
    Program& p = w_.program_;
    w_.guarded([&] {
        w_.progress_.set("LVMD03");
        const UnitMenuPlan plan = unitMenuPlan(onRow, p.pnSelNodeIndex(), p.table.pnCatGroupCount,
                                               p.settings.Modify != 0, w_.listRowCount());
        if (plan.show == UnitMenuPlan::Show::None) return;
        MainMenus& m = menus;
        if (plan.copyVisible) {
            m.mnuEditUnitArray[0]->setVisible(*plan.copyVisible);
            m.mnuEditUnitArray[1]->setVisible(*plan.copyVisible);
        }
        if (plan.insertCaption)
            m.mnuEditUnitArray[2]->setText(QString::fromStdString(*plan.insertCaption));
        if (plan.insertEnabled) setPlanned(m.mnuEditUnitArray[2], *plan.insertEnabled);
        if (plan.deleteEnabled) setPlanned(m.mnuEditUnitArray[3], *plan.deleteEnabled);
        if (plan.propertiesEnabled) setPlanned(m.mnuEditUnitArray[5], *plan.propertiesEnabled);
        if (plan.memoVisible) {
            m.mnuShowMemoArray[0]->setVisible(*plan.memoVisible);
            m.mnuShowMemoArray[1]->setVisible(*plan.memoVisible);
        }
        if (plan.selUnitIndex) p.sel.pnSelUnitIndex = *plan.selUnitIndex;
        reapplyAvailability();
        pressPos_ = e->globalPosition().toPoint();
        if (plan.show == UnitMenuPlan::Show::AtOnce) {
            m.mnuEditUnit->popup(pressPos_);
            return;
        }
        longPress_.start(p.settings.ShowMenuDelay);
        tmrDelay->start();
    });
}

void MainWindowCommands::listClicked() {
    longPress_.stop();
    tmrDelay->stop();
}

void MainWindowCommands::delayTick() {
    if (!longPress_.running()) {
        tmrDelay->stop();
        return;
    }
    if (!longPress_.tick()) return;
    tmrDelay->stop();
    menus.mnuEditUnit->popup(pressPos_);
}

// ---- The window's own events ----

bool MainWindowCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &w_) {
        if (event->type() == QEvent::Show && !shown_) applyAtShow();
        if (event->type() == QEvent::Close) saveToolbarLayout();
        return false;
    }
    return toolbarEvent(watched, event);
}

void MainWindowCommands::applyAtShow() {
    shown_ = true;
    w_.menuBar()->setVisible(w_.program_.settings.ShowMenubar != 0);
    applyToolbarSettings();
    restoreToolbarLayout();
    // Once start-up has read the table, the items follow at once.
    QTimer::singleShot(0, this, &MainWindowCommands::refresh);
}

} // namespace qm
