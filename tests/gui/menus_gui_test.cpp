// The main window's menus, toolbar, context menus and File commands on the
// real widgets: captions and states, the refresh tick, the long press, the
// toolbar's look and stored layout, Open, Save, Save As and closing.
#include "windowfixture.h"

#include "auxwindows/HelpWindow.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <deque>

namespace qm {

class MenusTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    std::vector<FileDialogSpec> dialogs_; // the dialogs asked for
    std::deque<std::optional<std::string>> dialogAnswers_;

    MainWindowCommands& c() const { return *w_->commands(); }
    MainMenus& m() const { return w_->commands()->menus; }
    QAction* button(const char* key) const { return c().button(QString::fromLatin1(key)); }

    void started() override {
        c().fileDialogHook = [this](const FileDialogSpec& spec) {
            dialogs_.push_back(spec);
            if (dialogAnswers_.empty()) return std::optional<std::string>();
            auto a = dialogAnswers_.front();
            dialogAnswers_.pop_front();
            return a;
        };
        c().refresh();
    }

    void pressNode(int node, Qt::MouseButton button = Qt::RightButton) {
        QTreeWidgetItem* item = w_->nodeItem(node);
        QVERIFY(item);
        w_->treeView()->scrollToItem(item);
        QTest::mousePress(w_->treeView()->viewport(), button, Qt::NoModifier,
                          w_->treeView()->visualItemRect(item).center());
        if (button == Qt::LeftButton)
            QTest::mouseRelease(w_->treeView()->viewport(), button, Qt::NoModifier,
                                w_->treeView()->visualItemRect(item).center());
    }
    QPoint emptyListPoint() const { return QPoint(5, w_->detailsView()->viewport()->height() - 4); }
    static void closeMenus() {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
    static QStringList texts(const QList<QAction*>& actions) {
        QStringList out;
        for (const QAction* a : actions)
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }

  private slots:
    void init() {
        setUp();
        dialogs_.clear();
        dialogAnswers_.clear();
        QGuiApplication::clipboard()->clear();
        start();
    }
    void cleanup() {
        closeMenus();
        if (HelpWindow* h = HelpWindow::instance()) h->close();
        tearDown();
    }

    // ---- Captions, shortcuts, initial states ----

    void menuBarCaptionsAndShortcuts() {
        QStringList titles;
        for (QAction* a : w_->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));
        QCOMPARE(texts(m().mnuFile->actions()),
                 (QStringList{"&Open...", "&Save", "Save &As...", "-", "&Print...", "-", "E&xit"}));
        QCOMPARE(m().mnuFileArray[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(m().mnuFileArray[1]->shortcut(), QKeySequence());
        QCOMPARE(m().mnuFileArray[2]->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(m().mnuFileArray[4]->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(texts(m().mnuEdit->actions()), (QStringList{"&Copy", "&Paste", "-", "&History",
                                                             "-", "&Find...", "&Go to Unit..."}));
        QCOMPARE(m().mnuEditArray[5]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        QCOMPARE(texts(m().mnuEditCopy->actions()),
                 (QStringList{"Con&version Result", "&Calculation Result", "&Unit Properties"}));
        QCOMPARE(texts(m().mnuEditPaste->actions()),
                 (QStringList{"As Con&version Input", "As &Calculation Input"}));
        QCOMPARE(texts(m().mnuEditHistory->actions()),
                 (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
        QCOMPARE(texts(m().mnuView->actions()),
                 (QStringList{"&List", "&Details", "-", "&Arrange"}));
        QCOMPARE(texts(m().mnuViewArrange->actions()),
                 (QStringList{"&Categories by Name", "&Units by Name"}));
        QCOMPARE(texts(m().mnuTools->actions()),
                 (QStringList{"&Calculator...", "-", "&Options..."}));
        QCOMPARE(m().mnuToolsArray[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
        QCOMPARE(texts(m().mnuHelp->actions()), (QStringList{"&Contents", "-", "&About..."}));
        QCOMPARE(texts(c().menus.mnuEditCategory->actions()),
                 (QStringList{"&Add...", "-", "&Delete..."}));
        QCOMPARE(texts(m().mnuEditGroup->actions()),
                 (QStringList{"&Insert...", "&Delete...", "-", "&Properties..."}));
        QCOMPARE(texts(m().mnuEditUnit->actions()),
                 (QStringList{"Show &Memo", "-", "&Copy", "-", "&Insert...", "&Delete...", "-",
                              "&Properties..."}));
        QCOMPARE(texts(m().mnuMath->actions()), (QStringList{"&Logarithm", "&Trigonometric"}));
        QCOMPARE(texts(m().mnuLog->actions()), (QStringList{"&Natural", "&Common"}));
        QCOMPARE(texts(m().mnuTrig->actions()), (QStringList{"&Degree", "&Radian"}));
    }

    void initialStates() {
        for (QAction* a : m().mnuEditCopy->actions())
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QVERIFY(!m().mnuEditArray[3]->isEnabled()); // History until the first copy
        QVERIFY(m().mnuEditHistoryArray[0]->isVisible());
        for (std::size_t i = 1; i < 8; ++i)
            QVERIFY(!m().mnuEditHistoryArray[i]->isVisible());
        QVERIFY(m().mnuViewArray[1]->isChecked());
        QVERIFY(!m().mnuViewArray[0]->isChecked());
        QVERIFY(m().mnuLogArray[0]->isChecked() && !m().mnuLogArray[1]->isChecked());
        QVERIFY(m().mnuTrigArray[0]->isChecked() && !m().mnuTrigArray[1]->isChecked());
        // Commands whose windows are not there are present and unavailable.
        for (QAction* a : {m().mnuFileArray[4], m().mnuToolsArray[0], m().mnuToolsArray[2],
                           button("Print"), button("Calc"), button("Options")})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QVERIFY(m().mnuHelpArray[0]->isEnabled());
        QVERIFY(button("Help")->isEnabled());
        QVERIFY(button("Exit")->isEnabled());
        // Setting a command makes its items available at the next refresh.
        int prints = 0;
        c().hooks.print = [&] { ++prints; };
        c().refresh();
        QVERIFY(m().mnuFileArray[4]->isEnabled());
        QVERIFY(button("Print")->isEnabled());
        button("Print")->trigger();
        m().mnuFileArray[4]->trigger();
        QCOMPARE(prints, 2);
    }

    void mathMenuChoosesOneOfEachPair() {
        m().mnuLogArray[1]->trigger();
        QCOMPARE(c().calcOptions().pnLogType, int16_t{1});
        QVERIFY(!m().mnuLogArray[0]->isChecked());
        m().mnuTrigArray[1]->trigger();
        QCOMPARE(c().calcOptions().pnTrigType, int16_t{1});
        m().mnuTrigArray[0]->trigger();
        QCOMPARE(c().calcOptions().pnTrigType, int16_t{0});
        QVERIFY(!m().mnuTrigArray[1]->isChecked());
    }

    void toolbarButtonsInOrder() {
        QToolBar* bar = c().toolbar();
        QCOMPARE(bar->objectName(), QStringLiteral("Toolbar1"));
        QStringList keys, tips;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator()) continue;
            keys << a->objectName();
            tips << a->toolTip();
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
        }
        QCOMPARE(keys, (QStringList{"Open", "SaveAs", "Print", "Copy", "Paste", "CopyCalc",
                                    "PasteCalc", "Find", "List", "Details", "SortTree", "SortList",
                                    "Calc", "Options", "Help", "Exit"}));
        QCOMPARE(tips, (QStringList{"Open (Ctrl+O)", "Save As (Ctrl+S)", "Print (Ctrl+P)",
                                    "Copy Conversion Result", "Paste as Conversion Input",
                                    "Copy Calculation Result", "Paste as Calculation Input",
                                    "Find (Ctrl+F)", "List", "Details",
                                    "Arrange Categories by Name", "Arrange Units by Name",
                                    "Show Calculator (Ctrl+K)", "Options", "Help", "Exit"}));
        QCOMPARE(button("Find")->whatsThis(), QStringLiteral("Find Unit Name"));
        QCOMPARE(button("SortTree")->whatsThis(), QStringLiteral("Arrange Tree by Name"));
        QCOMPARE(button("SortList")->whatsThis(), QStringLiteral("Arrange List by Name"));
        QCOMPARE(button("Calc")->whatsThis(), QStringLiteral("Show Calculator"));
        for (QAction* a : bar->actions()) // the other descriptions are the tips
            if (!a->isSeparator() &&
                !QStringList{"Find", "SortTree", "SortList", "Calc"}.contains(a->objectName()))
                QCOMPARE(a->whatsThis(), a->toolTip());
        QVERIFY(button("Details")->isChecked());
        QVERIFY(!button("Copy")->isEnabled());
        QVERIFY(!bar->isMovable()); // customising is off by default
    }

    // ---- Refresh tick ----

    void refreshFollowsTheTreeAndTheList() {
        QCOMPARE(c().refreshTimer()->interval(), 200);
        QVERIFY(c().refreshTimer()->isActive());
        // Length selected: Space expanded, five rows.
        QVERIFY(m().mnuViewArrangeArray[0]->isEnabled());
        QVERIFY(button("SortTree")->isEnabled());
        for (QAction* a : {m().mnuViewArray[0], m().mnuViewArray[1], m().mnuViewArrangeArray[1],
                           button("List"), button("Details"), button("SortList")})
            QVERIFY(a->isEnabled());
        QVERIFY(!m().mnuFileArray[1]->isEnabled()); // nothing to save

        // All groups collapsed: the tree arrangement goes within one tick.
        w_->nodeItem(2)->setExpanded(false);
        QVERIFY(m().mnuViewArrangeArray[0]->isEnabled()); // not before the tick
        QTRY_VERIFY_WITH_TIMEOUT(!m().mnuViewArrangeArray[0]->isEnabled(), 300);
        QVERIFY(!button("SortTree")->isEnabled());
        w_->nodeItem(3)->setExpanded(true);
        QTRY_VERIFY_WITH_TIMEOUT(button("SortTree")->isEnabled(), 300);

        // A group selected: empty list, no view switches.
        w_->selectNode(3);
        QCOMPARE(w_->listRowCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!m().mnuViewArray[0]->isEnabled(), 300);
        for (QAction* a : {m().mnuViewArray[1], m().mnuViewArrangeArray[1], button("List"),
                           button("Details"), button("SortList")})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QVERIFY(m().mnuViewArrangeArray[0]->isEnabled());
        // The root: the same.
        w_->selectNode(1);
        c().refresh();
        QVERIFY(!button("List")->isEnabled());
        // A category again.
        w_->selectNode(8);
        QTRY_VERIFY_WITH_TIMEOUT(button("List")->isEnabled(), 300);

        // Unsaved changes.
        program_->table.pbTableChanged = true;
        QTRY_VERIFY_WITH_TIMEOUT(m().mnuFileArray[1]->isEnabled(), 300);
        program_->table.pbTableChanged = false;
        QTRY_VERIFY_WITH_TIMEOUT(!m().mnuFileArray[1]->isEnabled(), 300);
    }

    void pasteFollowsTheClipboardAndTheCalculator() {
        QVERIFY(!w_->commands()->menus.mnuEditPaste->actions()[0]->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("12"));
        QTRY_VERIFY_WITH_TIMEOUT(m().mnuEditPaste->actions()[0]->isEnabled(), 300);
        QVERIFY(button("Paste")->isEnabled());
        QVERIFY(!m().mnuEditPaste->actions()[1]->isEnabled()); // no calculator: left as it is
        QVERIFY(!button("PasteCalc")->isEnabled());
        bool shown = true;
        c().hooks.calculatorShown = [&] { return shown; };
        QTRY_VERIFY_WITH_TIMEOUT(m().mnuEditPaste->actions()[1]->isEnabled(), 300);
        QVERIFY(button("PasteCalc")->isEnabled());
        shown = false; // closed: stays as the calculator left it
        QGuiApplication::clipboard()->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!m().mnuEditPaste->actions()[0]->isEnabled(), 300);
        QVERIFY(!button("Paste")->isEnabled());
        QVERIFY(m().mnuEditPaste->actions()[1]->isEnabled());
        // Paste puts the text into the input box.
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        c().refresh();
        button("Paste")->trigger();
        QCOMPARE(w_->inputBox()->text(), QStringLiteral("7"));
    }

    void copyItemsFollowTheOutputAndTheRowPress() {
        QAction* copy = m().mnuEditCopy->actions()[0];
        w_->outputBox()->setText(QStringLiteral("3.5"));
        QVERIFY(copy->isEnabled());
        QVERIFY(button("Copy")->isEnabled());
        w_->outputBox()->setText(QStringLiteral("   "));
        QVERIFY(!copy->isEnabled());
        QVERIFY(!button("Copy")->isEnabled());
        QAction* props = m().mnuEditCopy->actions()[2];
        clickRow(2, Qt::LeftButton);
        QVERIFY(props->isEnabled());
        QTest::mouseClick(listViewport(), Qt::LeftButton, Qt::NoModifier, emptyListPoint());
        QVERIFY(!props->isEnabled());
    }

    void historyItemsShowTheCopiedTexts() {
        clickRow(0, Qt::LeftButton);  // metre
        clickRow(4, Qt::RightButton); // Yard
        w_->inputBox()->setText(QStringLiteral("9.144"));
        button("Copy")->trigger();
        QVERIFY(m().mnuEditArray[3]->isEnabled());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("10.0000"));
        program_->history.add("R&D 1"); // an ampersand stays a character
        emit m().mnuEdit->aboutToShow();
        QCOMPARE(m().mnuEditHistoryArray[0]->text(), QStringLiteral("R&&D 1"));
        QCOMPARE(m().mnuEditHistoryArray[1]->text(), QStringLiteral("9.144 metre = 10.0000 Yard"));
        QVERIFY(m().mnuEditHistoryArray[1]->isVisible());
        QVERIFY(!m().mnuEditHistoryArray[2]->isVisible());
        m().mnuEditHistoryArray[0]->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("R&D 1"));
        m().mnuEditHistoryArray[1]->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("9.144 metre = 10.0000 Yard"));
    }

    void viewAndArrangeCommandsCheckTheirItems() {
        m().mnuViewArray[0]->trigger();
        QCOMPARE(program_->settings.View, int16_t{2});
        QCOMPARE(qobject_cast<QStackedWidget*>(w_->detailsView()->parentWidget())->currentWidget(),
                 static_cast<QWidget*>(w_->listModeView()));
        QVERIFY(m().mnuViewArray[0]->isChecked() && !m().mnuViewArray[1]->isChecked());
        QVERIFY(button("List")->isChecked() && !button("Details")->isChecked());
        button("Details")->trigger();
        QCOMPARE(program_->settings.View, int16_t{3});
        QVERIFY(!m().mnuViewArray[0]->isChecked() && m().mnuViewArray[1]->isChecked());
        QVERIFY(!button("List")->isChecked() && button("Details")->isChecked());
        button("Details")->trigger(); // pressing the pressed button keeps it pressed
        QVERIFY(button("Details")->isChecked());

        m().mnuViewArrangeArray[1]->trigger();
        QVERIFY(program_->settings.SortUnit);
        QVERIFY(m().mnuViewArrangeArray[1]->isChecked() && button("SortList")->isChecked());
        QCOMPARE(w_->listRowText(0), QStringLiteral("Foot"));
        button("SortTree")->trigger();
        QVERIFY(program_->settings.SortGroup);
        QVERIFY(m().mnuViewArrangeArray[0]->isChecked() && button("SortTree")->isChecked());
        button("SortList")->trigger();
        QVERIFY(!program_->settings.SortUnit);
        QVERIFY(!m().mnuViewArrangeArray[1]->isChecked() && !button("SortList")->isChecked());
        QCOMPARE(w_->listRowText(0), QStringLiteral("metre"));
    }

    // ---- Tree context menus ----

    // Which menu opens and its first caption; the enabled states per node kind
    // are the menu plan's, checked with the plan.
    void treeMenusByNodeKind() {
        program_->settings.Modify = 1;
        QMenu* cat = m().mnuEditCategory;
        QMenu* grp = m().mnuEditGroup;
        const struct {
            int node;
            QMenu* menu;
            QMenu* other;
            const char* add;
        } cases[] = {{1, cat, grp, "Add"},    {3, cat, grp, "Add..."}, {4, grp, cat, "Add..."},
                     {5, grp, cat, "Add..."}, {7, grp, cat, "Add..."}, {1, cat, grp, "Add"}};
        for (const auto& k : cases) {
            pressNode(k.node);
            QTRY_VERIFY(k.menu->isVisible());
            QVERIFY(!k.other->isVisible());
            QCOMPARE(program_->settings.pnSelNodeIndex, int16_t(k.node)); // selected first
            QCOMPARE(m().mnuEditCategoryArray[0]->text(), QString::fromLatin1(k.add));
            closeMenus();
        }
        pressNode(3); // a planned item stays unavailable without its command
        QTRY_VERIFY(cat->isVisible());
        QVERIFY(c().plannedEnabled(m().mnuEditCategoryArray[2]));
        QVERIFY(!m().mnuEditCategoryArray[2]->isEnabled());
        closeMenus();

        // With the commands there, the planned states show and items run them.
        std::vector<int> ran;
        c().hooks.editGroup = [&](int i) { ran.push_back(i); };
        pressNode(4);
        QTRY_VERIFY(grp->isVisible());
        QVERIFY(!m().mnuEditGroupArray[0]->isEnabled());
        QVERIFY(m().mnuEditGroupArray[3]->isEnabled());
        closeMenus();
        pressNode(6);
        QTRY_VERIFY(grp->isVisible());
        QVERIFY(m().mnuEditGroupArray[0]->isEnabled());
        QVERIFY(m().mnuEditGroupArray[1]->isEnabled());
        m().mnuEditGroupArray[3]->trigger();
        closeMenus();
        QCOMPARE(ran, std::vector<int>{3});
    }

    void treeMenusNeedModifyAndTheRightButton() {
        program_->settings.Modify = 0;
        for (int node : {1, 2, 4, 6}) {
            pressNode(node);
            QTest::qWait(20);
            QVERIFY2(!m().mnuEditCategory->isVisible() && !m().mnuEditGroup->isVisible(),
                     qPrintable(QString::number(node)));
        }
        program_->settings.Modify = 1;
        pressNode(1, Qt::LeftButton);
        QTest::qWait(20);
        QVERIFY(!m().mnuEditCategory->isVisible());
    }

    // ---- List context menus and the long press ----

    void longPressOnARowOpensTheUnitMenu() {
        program_->settings.ShowMenuDelay = 300;
        QMenu* unit = m().mnuEditUnit;
        QTest::mousePress(listViewport(), Qt::RightButton, Qt::NoModifier, rowPoint(1));
        QVERIFY(c().delayTimer()->isActive());
        QCOMPARE(c().delayTimer()->interval(), 100);
        QTest::qWait(150);
        QVERIFY(!unit->isVisible()); // not before the delay
        QTRY_VERIFY_WITH_TIMEOUT(unit->isVisible(), 1000);
        QVERIFY(!c().delayTimer()->isActive());
        QVERIFY(m().mnuShowMemoArray[0]->isVisible());
        QVERIFY(m().mnuEditUnitArray[0]->isVisible());
        QCOMPARE(m().mnuEditUnitArray[2]->text(), QStringLiteral("&Insert..."));
        for (std::size_t i : {2u, 3u, 5u})
            QVERIFY(c().plannedEnabled(m().mnuEditUnitArray[i]));
        QVERIFY(m().mnuEditUnitArray[0]->isEnabled());  // Copy copies the properties
        QVERIFY(!m().mnuShowMemoArray[0]->isEnabled()); // no memo window yet
        m().mnuEditUnitArray[0]->trigger();
        closeMenus();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Foot 0.3048 0 0.0001 0 international foot"));
    }

    void aClickStopsTheLongPress() {
        program_->settings.ShowMenuDelay = 200;
        QTest::mousePress(listViewport(), Qt::RightButton, Qt::NoModifier, rowPoint(0));
        QVERIFY(c().delayTimer()->isActive());
        QTest::mouseRelease(listViewport(), Qt::RightButton, Qt::NoModifier, rowPoint(0));
        QVERIFY(!c().delayTimer()->isActive());
        QCOMPARE(w_->panelText(4), QStringLiteral("metre")); // the click chose the unit
        QTest::qWait(400);
        QVERIFY(!m().mnuEditUnit->isVisible());
    }

    void unitMenuWithModifyOffAndInNumberSystem() {
        program_->settings.ShowMenuDelay = 100;
        program_->settings.Modify = 0;
        QTest::mousePress(listViewport(), Qt::RightButton, Qt::NoModifier, rowPoint(0));
        QTRY_VERIFY_WITH_TIMEOUT(m().mnuEditUnit->isVisible(), 1000);
        QVERIFY(m().mnuEditUnitArray[0]->isVisible());
        for (std::size_t i : {2u, 3u, 5u})
            QVERIFY(!c().plannedEnabled(m().mnuEditUnitArray[i]));
        closeMenus();
        QTest::mouseRelease(listViewport(), Qt::RightButton, Qt::NoModifier, rowPoint(0));

        program_->settings.Modify = 1;
        w_->selectNode(4); // number system
        QTest::mousePress(listViewport(), Qt::RightButton, Qt::NoModifier, rowPoint(1));
        QTRY_VERIFY_WITH_TIMEOUT(m().mnuEditUnit->isVisible(), 1000);
        QVERIFY(m().mnuShowMemoArray[0]->isVisible());
        QVERIFY(!m().mnuEditUnitArray[0]->isVisible());
        QVERIFY(!m().mnuEditUnitArray[1]->isVisible());
        for (std::size_t i : {2u, 3u, 5u})
            QVERIFY(!c().plannedEnabled(m().mnuEditUnitArray[i]));
        closeMenus();
        QTest::mouseRelease(listViewport(), Qt::RightButton, Qt::NoModifier, rowPoint(1));
    }

    void emptyListAreaOpensTheAddMenuAtOnce() {
        program_->settings.Modify = 1;
        int editUnits = 0;
        c().hooks.editUnit = [&](int) { ++editUnits; };
        QTest::mousePress(listViewport(), Qt::RightButton, Qt::NoModifier, emptyListPoint());
        QVERIFY(m().mnuEditUnit->isVisible()); // at once
        QVERIFY(!c().delayTimer()->isActive());
        QVERIFY(!m().mnuEditUnitArray[0]->isVisible());
        QVERIFY(!m().mnuEditUnitArray[1]->isVisible());
        QVERIFY(!m().mnuShowMemoArray[0]->isVisible());
        QVERIFY(!m().mnuShowMemoArray[1]->isVisible());
        QCOMPARE(m().mnuEditUnitArray[2]->text(), QStringLiteral("&Add..."));
        QVERIFY(m().mnuEditUnitArray[2]->isEnabled());
        QVERIFY(!m().mnuEditUnitArray[3]->isEnabled());
        QVERIFY(m().mnuEditUnitArray[5]->isEnabled());
        QCOMPARE(program_->sel.pnSelUnitIndex, int16_t{5});
        m().mnuEditUnitArray[2]->trigger();
        QCOMPARE(editUnits, 1);
        closeMenus();
        QTest::mouseRelease(listViewport(), Qt::RightButton, Qt::NoModifier, emptyListPoint());

        w_->selectNode(4); // number system: nothing to add
        QTest::mousePress(listViewport(), Qt::RightButton, Qt::NoModifier, emptyListPoint());
        QVERIFY(m().mnuEditUnit->isVisible());
        QVERIFY(!m().mnuEditUnitArray[2]->isEnabled());
        QCOMPARE(program_->sel.pnSelUnitIndex, int16_t{4});
        closeMenus();
        QTest::mouseRelease(listViewport(), Qt::RightButton, Qt::NoModifier, emptyListPoint());

        program_->settings.Modify = 0; // nothing opens
        w_->selectNode(6);
        QTest::mousePress(listViewport(), Qt::RightButton, Qt::NoModifier, emptyListPoint());
        QTest::qWait(20);
        QVERIFY(!m().mnuEditUnit->isVisible());
        QTest::mouseRelease(listViewport(), Qt::RightButton, Qt::NoModifier, emptyListPoint());
    }

    // ---- Toolbar look, visibility, customisation ----

    void ctrlAltClickTogglesTheFlatLook() {
        QToolBar* bar = c().toolbar();
        auto* list = qobject_cast<QToolButton*>(bar->widgetForAction(button("List")));
        QVERIFY(list);
        QVERIFY(list->autoRaise());
        QVERIFY(c().flatToolbar());
        const Qt::KeyboardModifiers ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
        QTest::mouseClick(list, Qt::LeftButton, ctrlAlt, QPoint(4, 4));
        QVERIFY(!list->autoRaise());
        QCOMPARE(program_->settings.View, int16_t{3}); // the button was not pressed
        QTest::mouseClick(bar, Qt::LeftButton, ctrlAlt, QPoint(bar->width() - 3, 3));
        QVERIFY(list->autoRaise()); // back to the first look
        QTest::mouseClick(bar, Qt::LeftButton, Qt::ControlModifier, QPoint(bar->width() - 3, 3));
        QVERIFY(list->autoRaise()); // Ctrl alone does nothing
        QTest::mouseClick(list, Qt::LeftButton, ctrlAlt | Qt::ShiftModifier, QPoint(4, 4));
        QVERIFY(list->autoRaise()); // nor Ctrl+Alt+Shift
    }

    void hiddenMenuBarAndToolbarKeepTheShortcuts() {
        restart({{"Option", "ShowMenubar", "0"}, {"Option", "ShowToolbar", "0"}});
        QVERIFY(!w_->menuBar()->isVisible());
        QVERIFY(!c().toolbar()->isVisible());
        w_->activateWindow();
        QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier); // Save As
        QCOMPARE(dialogs_.size(), std::size_t{1});
        QCOMPARE(dialogs_[0].title, std::string(" Save As"));
    }

    void customisedToolbarIsSavedAndRestored() {
        restart({{"Extra", "CustomizeToolbar", "True"}});
        QToolBar* bar = c().toolbar();
        QVERIFY(bar->isMovable());
        emit bar->customContextMenuRequested(QPoint(3, 3));
        auto* menu = bar->findChild<QMenu*>(QStringLiteral("mnuCustomizeToolbar"));
        QVERIFY(menu);
        QAction* print = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == QLatin1String("Print (Ctrl+P)")) print = a;
        QVERIFY(print && print->isChecked());
        print->trigger(); // hides the Print button
        menu->close();
        QVERIFY(!button("Print")->isVisible());
        const std::string saved = stored("Toolbar", "Quantimetrix");
        QVERIFY2(saved.size() > 6 && saved.substr(saved.size() - 6) == "|Print", saved.c_str());
        restart();
        QVERIFY(!button("Print")->isVisible());
        QVERIFY(button("Find")->isVisible());
        // Without customising, the stored layout is not applied.
        restart({{"Extra", "CustomizeToolbar", "False"}});
        QVERIFY(button("Print")->isVisible());
        QVERIFY(!c().toolbar()->isMovable());
    }

    // ---- Help and Exit ----

    void helpContentsOpensTheHelpWindow() {
        writeFile(path("Qmtrxdoc.hlp"), "<html><body><h1>Contents</h1></body></html>");
        button("Help")->trigger();
        QTRY_VERIFY(HelpWindow::instance() && HelpWindow::instance()->isVisible());
        HelpWindow::instance()->close();
        m().mnuHelpArray[0]->trigger();
        QTRY_VERIFY(HelpWindow::instance() && HelpWindow::instance()->isVisible());
        QVERIFY(prompt_.messages.empty());
    }

    void exitClosesThroughTheClosingQuestion() {
        program_->table.pbTableChanged = true;
        prompt_.answers = {MsgResult::Cancel};
        m().mnuFileArray[6]->trigger();
        QVERIFY(w_->isVisible());
        prompt_.answers = {MsgResult::Yes}; // and then cancel the Save As dialog
        button("Exit")->trigger();
        QVERIFY(w_->isVisible());
        QCOMPARE(dialogs_.size(), std::size_t{1});
        QCOMPARE(dialogs_[0].title, std::string(" Save As"));
        QVERIFY(dialogs_[0].overwritePrompt);
        QCOMPARE(dataBytes(), sampleBytes());
        prompt_.answers = {MsgResult::No};
        m().mnuFileArray[6]->trigger();
        QVERIFY(!w_->isVisible());
        QCOMPARE(prompt_.messages.size(), std::size_t{3});
    }

    // ---- File commands ----

    void saveOnAnUnchangedTableAsksNothing() {
        const QByteArray before = dataBytes();
        c().mSaveTable();
        QVERIFY(prompt_.messages.empty());
        QCOMPARE(dataBytes(), before);
        // Changed: the question, and No writes nothing.
        program_->table.pbTableChanged = true;
        program_->table.psCategoryName[3] = "Distance";
        prompt_.answers = {MsgResult::No};
        QTRY_VERIFY_WITH_TIMEOUT(m().mnuFileArray[1]->isEnabled(), 300);
        m().mnuFileArray[1]->trigger();
        QCOMPARE(prompt_.messages.size(), std::size_t{1});
        QCOMPARE(prompt_.messages[0].text,
                 std::string("Do you really want to overwrite the existing file?"));
        QCOMPARE(prompt_.messages[0].title, std::string(" Save"));
        QCOMPARE(prompt_.messages[0].buttons, MsgButtons::YesNo);
        QCOMPARE(prompt_.messages[0].icon, MsgIcon::Exclamation);
        QCOMPARE(dataBytes(), before);
        QVERIFY(program_->table.pbTableChanged);
        prompt_.answers = {MsgResult::Yes};
        c().mSaveTable();
        QVERIFY(dataBytes().contains("3;2;Distance\r\n"));
        QVERIFY(!program_->table.pbTableChanged);
        QVERIFY(dialogs_.empty());
    }

    void saveAsWritesAnUnchangedTable() {
        const std::string other = path("other.dat");
        dialogAnswers_ = {other};
        button("SaveAs")->trigger();
        QCOMPARE(dialogs_.size(), std::size_t{1});
        const FileDialogSpec& d = dialogs_[0];
        QCOMPARE(d.title, std::string(" Save As"));
        QCOMPARE(d.filter,
                 std::string("Data files (*.dat;*.txt)|*.dat;*.txt|All Files (*.*)|*.*|"));
        QCOMPARE(d.initialFolder, dir_->path().toStdString() + "/");
        QCOMPARE(d.initialFileName, std::string("sample.dat"));
        QVERIFY(d.overwritePrompt);
        QVERIFY(d.hideReadOnly);
        QCOMPARE(fileBytes(other), sampleBytes());
        QCOMPARE(w_->nodeItem(1)->text(0), QStringLiteral("other.dat"));
        QCOMPARE(program_->table.psTableFile, other);
        QVERIFY(prompt_.messages.empty());
        // A cancelled dialog writes nothing and changes nothing.
        const std::string third = path("third.dat");
        program_->table.pbTableChanged = true;
        m().mnuFileArray[2]->trigger(); // no answer queued: cancelled
        QCOMPARE(dialogs_.size(), std::size_t{2});
        QCOMPARE(dialogs_[1].initialFileName, std::string("other.dat"));
        QVERIFY(program_->table.pbTableChanged);
        QCOMPARE(program_->table.psTableFile, other);
        QVERIFY(!QFile::exists(QString::fromStdString(third)));
    }

    void openReadsAnotherTable() {
        const std::string other = path("other.dat");
        writeFile(other,
                  "Things;1\r\n;E;\r\n1;1;Number System\r\n2;1;Constants\r\n3;2;Money\r\n;E;\r\n"
                  "2;Number System;1\r\n1;Decimal;10;0;0;0;\r\n;E;\r\n2;Constants;0\r\n;E;\r\n"
                  "1;Money;2\r\n1;Euro;1;0;0;0;\r\n1;Cent;0.01;0;0;0;\r\n;E;\r\n");
        clickRow(0, Qt::LeftButton);
        QVERIFY(!w_->panelText(2).isEmpty());
        dialogAnswers_ = {other};
        button("Open")->trigger();
        QCOMPARE(dialogs_.size(), std::size_t{1});
        QCOMPARE(dialogs_[0].title, std::string(" Open"));
        QCOMPARE(dialogs_[0].initialFileName, std::string("sample.dat"));
        QVERIFY(!dialogs_[0].overwritePrompt);
        QVERIFY(prompt_.messages.empty());
        QCOMPARE(w_->nodeItem(1)->text(0), QStringLiteral("other.dat"));
        QCOMPARE(w_->nodeItem(2)->text(0), QStringLiteral("Things"));
        QCOMPARE(w_->nodeItem(5)->text(0), QStringLiteral("Money"));
        QCOMPARE(w_->listRowCount(), 0);
        QCOMPARE(w_->panelText(2), QString()); // the old choice is gone
        QCOMPARE(program_->msTableFolder, dir_->path().toStdString() + "/");
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix"));
        w_->selectNode(5);
        QCOMPARE(w_->listRowText(1), QStringLiteral("Cent"));
    }

    void openWithAChangedTableAsksFirst() {
        program_->table.pbTableChanged = true;
        prompt_.answers = {MsgResult::Cancel};
        m().mnuFileArray[0]->trigger();
        QCOMPARE(prompt_.messages.size(), std::size_t{1});
        QCOMPARE(prompt_.messages[0].text,
                 std::string(
                     "The file 'sample.dat' has changed.\r\n\r\nDo you want to save the changes?"));
        QVERIFY(dialogs_.empty()); // no dialog after Cancel
        QCOMPARE(w_->nodeItem(1)->text(0), QStringLiteral("sample.dat"));
        // No: the group states are written, then the Open dialog (cancelled here).
        w_->nodeItem(2)->setExpanded(false);
        prompt_.answers = {MsgResult::No};
        m().mnuFileArray[0]->trigger();
        QCOMPARE(dialogs_.size(), std::size_t{1});
        QCOMPARE(dialogs_[0].title, std::string(" Open"));
        QVERIFY(dataBytes().startsWith("Space;0\r\nMechanics;0\r\n"));
        QVERIFY(program_->table.pbTableChanged); // nothing was opened
    }

    void failedOpenComesBackAndCancelShowsTheTableAsItStands() {
        dialogAnswers_ = {path("missing.dat"), std::nullopt};
        button("Open")->trigger();
        QCOMPARE(dialogs_.size(), std::size_t{2}); // the dialog came back after the failed read
        QCOMPARE(prompt_.messages.size(), std::size_t{1});
        QCOMPARE(w_->listRowCount(), 0);
        QVERIFY(!w_->nodeItem(6)); // the old categories are gone from the tree
        // The loop ends when a file reads.
        dialogs_.clear();
        dialogAnswers_ = {path("missing.dat"), dataPath().toStdString()};
        button("Open")->trigger();
        QCOMPARE(dialogs_.size(), std::size_t{2});
        QCOMPARE(w_->nodeItem(6)->text(0), QStringLiteral("Length"));
    }

    void realDialogsShowTitleFilterFolderAndNameAndCancel() {
        c().fileDialogHook = nullptr; // the window's own QFileDialog
        QStringList seen;
        const auto cancelWhenShown = [&] {
            auto* poll = new QTimer(this); // until the dialog is up
            poll->setInterval(20);
            connect(poll, &QTimer::timeout, this, [&seen, poll] {
                QFileDialog* d = nullptr;
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (auto* f = qobject_cast<QFileDialog*>(top); f && f->isVisible()) d = f;
                if (!d) return;
                poll->deleteLater();
                poll->stop();
                seen << d->windowTitle() << d->nameFilters().join(QStringLiteral("|"))
                     << QDir(d->directory()).canonicalPath()
                     << d->selectedFiles().value(0).section('/', -1)
                     << (d->acceptMode() == QFileDialog::AcceptSave ? QStringLiteral("save")
                                                                    : QStringLiteral("open"))
                     << (d->testOption(QFileDialog::DontConfirmOverwrite)
                             ? QStringLiteral("no prompt")
                             : QStringLiteral("prompt"));
                d->reject(); // the dialog's Cancel
            });
            poll->start();
        };
        const QString folder = QDir(dir_->path()).canonicalPath();
        cancelWhenShown();
        button("SaveAs")->trigger(); // cancelled: the cancel error
        QCOMPARE(seen, (QStringList{" Save As", "Data files (*.dat *.txt)|All Files (*)", folder,
                                    "sample.dat", "save", "prompt"}));
        QCOMPARE(program_->table.psTableFile, dataPath().toStdString());

        seen.clear();
        program_->table.psTableFile =
            path("other.dat"); // the dialogs offer the current file's name
        cancelWhenShown();
        button("Open")->trigger();
        QCOMPARE(seen, (QStringList{" Open", "Data files (*.dat *.txt)|All Files (*)", folder,
                                    "other.dat", "open", "no prompt"}));
        QCOMPARE(w_->nodeItem(6)->text(0), QStringLiteral("Length")); // nothing was opened
        QVERIFY(prompt_.messages.empty());
        program_->table.psTableFile = dataPath().toStdString();
    }

    // ---- Closing ----

    void closingAsksAndSavesWhereTheDialogSays() {
        program_->table.pbTableChanged = true;
        program_->table.psCategoryName[3] = "Distance";
        const std::string other = path("saved.dat");
        dialogAnswers_ = {other};
        prompt_.answers = {MsgResult::Yes};
        QVERIFY(w_->close());
        QCOMPARE(prompt_.messages.size(), std::size_t{1});
        QCOMPARE(prompt_.messages[0].text,
                 std::string(
                     "The file 'sample.dat' has changed.\r\n\r\nDo you want to save the changes?"));
        QCOMPARE(prompt_.messages[0].buttons, MsgButtons::YesNoCancel);
        QVERIFY(fileBytes(other).contains("3;2;Distance\r\n"));
        QCOMPARE(dataBytes(), sampleBytes());
        QCOMPARE(stored("File", "SaveFilePath"), other);
    }

    void closingAfterCollapsingAGroupChangesOnlyThatLine() {
        w_->nodeItem(2)->setExpanded(false);
        QVERIFY(w_->close());
        QByteArray expected = sampleBytes();
        expected.replace(0, 7, "Space;0");
        QCOMPARE(dataBytes(), expected);
        QVERIFY(prompt_.messages.empty());
    }

    void closingWithAChangedTableAnsweredNo() {
        program_->table.pbTableChanged = true;
        program_->table.psCategoryName[3] = "Distance";
        w_->nodeItem(3)->setExpanded(true);
        prompt_.answers = {MsgResult::No};
        QVERIFY(w_->close());
        QByteArray expected = sampleBytes();
        expected.replace(9, 11, "Mechanics;1");
        QCOMPARE(dataBytes(), expected);
    }
};

} // namespace qm

QTEST_MAIN(qm::MenusTest)
#include "menus_gui_test.moc"
