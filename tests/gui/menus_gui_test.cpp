// The main window's menus, toolbar, context menus and File commands on the
// real widgets. Which item is available, which menu a press opens and what the
// File commands do are decided by the menu logic and the file commands, tested
// on their own; these tests check that the clicks, ticks and presses reach
// them and that their answers reach the menus, the toolbar and the tree.
#include "windowfixture.h"

#include "auxwindows/HelpWindow.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include <deque>

namespace qm {

class MenusTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    std::vector<FileDialogSpec> dialogs_; // the dialogs asked for
    std::deque<std::optional<std::string>> dialogAnswers_;

    MainWindowCommands& c() const { return *w_->commands(); }
    static QString ticks(std::initializer_list<const QAction*> actions,
                         bool (QAction::*state)() const = &QAction::isChecked) {
        QString out;
        for (const QAction* a : actions)
            out += (a->*state)() ? '1' : '0';
        return out;
    }

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
    void pressNode(int node) {
        const QPoint at = w_->treeView()->visualItemRect(w_->nodeItem(node)).center();
        QTest::mousePress(w_->treeView()->viewport(), Qt::RightButton, Qt::NoModifier, at);
    }
    void pressList(QPoint at) {
        QTest::mousePress(listViewport(), Qt::RightButton, Qt::NoModifier, at);
    }
    void releaseList(QPoint at) {
        closeMenus();
        QTest::mouseRelease(listViewport(), Qt::RightButton, Qt::NoModifier, at);
    }
    QPoint emptyListPoint() const { return QPoint(5, w_->detailsView()->viewport()->height() - 4); }
    static void closeMenus() {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
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

    void itemsAndButtonsReachTheirCommands() {
        int prints = 0;
        c().hooks.print = [&] { ++prints; };
        c().refresh();
        button("Print")->trigger();
        m().mnuFileArray[4]->trigger();
        QCOMPARE(prints, 2);
        m().mnuViewArray[0]->trigger(); // List
        QCOMPARE(ticks({button("List"), m().mnuViewArray[1]}), "10");
        button("Details")->trigger();
        button("Details")->trigger(); // pressing the pressed button keeps it pressed
        QCOMPARE(ticks({m().mnuViewArray[1], button("Details")}), "11");
        button("SortList")->trigger();
        m().mnuViewArrangeArray[0]->trigger();
        m().mnuLogArray[1]->trigger();
        m().mnuTrigArray[1]->trigger();
        QCOMPARE(w_->listRowText(0), QStringLiteral("Foot"));
        QCOMPARE(ticks({m().mnuViewArrangeArray[1], button("SortTree"), m().mnuLogArray[0],
                        m().mnuTrigArray[0]}),
                 "1100");
        QVERIFY(program_->settings.SortGroup && c().calcOptions().pnLogType == 1 &&
                c().calcOptions().pnTrigType == 1);
    }

    void refreshTickFollowsTheWindow() {
        w_->nodeItem(2)->setExpanded(false); // all groups collapsed
        w_->selectNode(3);                   // a group: an empty list
        program_->table.pbTableChanged = true;
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        c().hooks.calculatorShown = [] { return true; };
        QTRY_COMPARE_WITH_TIMEOUT(ticks({m().mnuViewArrangeArray[0], button("List"),
                                         m().mnuFileArray[1], button("Paste"), button("PasteCalc")},
                                        &QAction::isEnabled),
                                  QStringLiteral("00111"), 300);
        button("Paste")->trigger();
        QCOMPARE(w_->inputBox()->text(), QStringLiteral("7"));
    }

    void copyUnitItemFollowsTheRowPress() {
        clickRow(2, Qt::LeftButton);
        QVERIFY(m().mnuEditCopy->actions()[2]->isEnabled());
        QTest::mouseClick(listViewport(), Qt::LeftButton, Qt::NoModifier, emptyListPoint());
        QVERIFY(!m().mnuEditCopy->actions()[2]->isEnabled());
    }

    void historyItemsShowTheCopiedTexts() {
        chooseUnits(0, 4); // metre into Yard
        w_->inputBox()->setText(QStringLiteral("9.144"));
        button("Copy")->trigger();
        QVERIFY(m().mnuEditArray[3]->isEnabled());
        program_->history.add("R&D 1"); // an ampersand stays a character
        emit m().mnuEdit->aboutToShow();
        QCOMPARE(m().mnuEditHistoryArray[0]->text(), QStringLiteral("R&&D 1"));
        QVERIFY(m().mnuEditHistoryArray[1]->isVisible() &&
                !m().mnuEditHistoryArray[2]->isVisible());
        m().mnuEditHistoryArray[1]->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("9.144 metre = 10.0000 Yard"));
    }

    void treePressOpensThePlannedMenu() {
        program_->settings.Modify = 0;
        pressNode(6);
        QTest::qWait(20);
        QVERIFY(!m().mnuEditGroup->isVisible()); // nothing with Modify off
        program_->settings.Modify = 1;
        pressNode(1);
        QTRY_VERIFY(m().mnuEditCategory->isVisible());
        QCOMPARE(m().mnuEditCategoryArray[0]->text() +
                     QString::number(program_->settings.pnSelNodeIndex), // selected first
                 QStringLiteral("Add1"));
        closeMenus();
        std::vector<int> ran;
        c().hooks.editGroup = [&](int i) { ran.push_back(i); };
        pressNode(6);
        QTRY_VERIFY(m().mnuEditGroup->isVisible() && m().mnuEditGroupArray[0]->isEnabled());
        m().mnuEditGroupArray[3]->trigger();
        QCOMPARE(ran, std::vector<int>{3});
    }

    void longPressOpensTheUnitMenuAndAClickStopsIt() {
        program_->settings.ShowMenuDelay = 300;
        pressList(rowPoint(1));
        QTest::qWait(150);
        QVERIFY(!m().mnuEditUnit->isVisible()); // not before the delay
        QTRY_VERIFY_WITH_TIMEOUT(m().mnuEditUnit->isVisible(), 1000);
        m().mnuEditUnitArray[0]->trigger(); // Copy copies the properties
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Foot 0.3048 0 0.0001 0 international foot"));
        releaseList(rowPoint(1));
        pressList(rowPoint(0));
        QTest::mouseRelease(listViewport(), Qt::RightButton, Qt::NoModifier, rowPoint(0));
        QVERIFY(!c().delayTimer()->isActive());
    }

    void emptyListAreaOpensTheAddMenuAtOnce() {
        program_->settings.Modify = 1;
        int editUnits = 0;
        c().hooks.editUnit = [&](int) { ++editUnits; };
        pressList(emptyListPoint());
        QVERIFY(m().mnuEditUnit->isVisible() && !m().mnuShowMemoArray[0]->isVisible() &&
                !m().mnuEditUnitArray[0]->isVisible());
        QCOMPARE(m().mnuEditUnitArray[2]->text() + QString::number(program_->sel.pnSelUnitIndex),
                 QStringLiteral("&Add...5"));
        m().mnuEditUnitArray[2]->trigger();
        QCOMPARE(editUnits, 1);
        releaseList(emptyListPoint());
    }

    void customisedToolbarIsStored() {
        restart({{"Extra", "CustomizeToolbar", "True"}});
        emit c().toolbar()->customContextMenuRequested(QPoint(3, 3));
        auto* menu = c().toolbar()->findChild<QMenu*>(QStringLiteral("mnuCustomizeToolbar"));
        for (QAction* a : menu->actions())
            if (a->text() == QLatin1String("Print (Ctrl+P)")) a->trigger(); // hides Print
        menu->close();
        restart();
        QVERIFY(!button("Print")->isVisible() && button("Find")->isVisible());
        restart({{"Extra", "CustomizeToolbar", "False"}}); // not applied without customising
        QVERIFY(button("Print")->isVisible());
    }

    void hiddenMenuBarAndToolbarKeepTheShortcuts() {
        restart({{"Option", "ShowMenubar", "0"}, {"Option", "ShowToolbar", "0"}});
        QVERIFY(!w_->menuBar()->isVisible() && !c().toolbar()->isVisible());
        QString ran;
        c().hooks.print = [&] { ran += 'P'; };
        c().refresh();
        w_->activateWindow();
        for (Qt::Key k : {Qt::Key_S, Qt::Key_O, Qt::Key_P})
            QTest::keyClick(w_.get(), k, Qt::ControlModifier);
        QCOMPARE(dialogs_.size() == 2 ? dialogs_[0].title + dialogs_[1].title : "",
                 " Save As Open");
        QCOMPARE(ran, QStringLiteral("P"));
    }

    void everyShortcutIsInTheHelpsKeyTable() {
        QFile f(QStringLiteral(QM_SHIPPED_DATA_DIR "/Qmtrxdoc.hlp"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString table = QString::fromUtf8(f.readAll())
                                  .section(QLatin1String("name=\"shortcuts\""), 1)
                                  .section(QLatin1String("</table>"), 0, 0);
        for (const QAction* a : w_->findChildren<QAction*>())
            for (const QKeySequence& k : a->shortcuts()) {
                const QString key = k.toString(QKeySequence::PortableText);
                QVERIFY2(table.contains("<td>" + key) || table.contains(", " + key + "</td>"),
                         qPrintable(key));
            }
    }

    void helpContentsOpensTheHelpWindow() {
        writeFile(path("Qmtrxdoc.hlp"), "<html><body><h1>Contents</h1></body></html>");
        button("Help")->trigger();
        QTRY_VERIFY(HelpWindow::instance() && HelpWindow::instance()->isVisible());
        QVERIFY(prompt_.messages.empty());
    }

    void exitAndClosingGoThroughTheQuestion() {
        program_->table.pbTableChanged = true;
        program_->table.psCategoryName[3] = "Distance";
        prompt_.answers = {MsgResult::Cancel};
        m().mnuFileArray[6]->trigger();
        QVERIFY(w_->isVisible());
        const std::string other = path("saved.dat");
        dialogAnswers_ = {other};
        prompt_.answers = {MsgResult::Yes};
        button("Exit")->trigger();
        QVERIFY(!w_->isVisible() && fileBytes(other).contains("3;2;Distance\r\n"));
        QCOMPARE(stored("File", "SaveFilePath"), other);
    }

    void closingWritesOnlyTheGroupStates() {
        w_->nodeItem(2)->setExpanded(false);
        QVERIFY(w_->close());
        QCOMPARE(fileBytes(dataPath().toStdString()), sampleBytes().replace(0, 7, "Space;0"));
        QVERIFY(prompt_.messages.empty());
    }

    void fileCommandsReachTheTableAndTheTree() {
        const std::string other = path("other.dat");
        dialogAnswers_ = {other};
        button("SaveAs")->trigger();
        QCOMPARE(fileBytes(other), sampleBytes());
        QCOMPARE(w_->nodeItem(1)->text(0), QStringLiteral("other.dat"));
        writeFile(other, sampleBytes().replace("Length", "Money").toStdString());
        clickRow(0, Qt::LeftButton);
        dialogAnswers_ = {other};
        m().mnuFileArray[0]->trigger(); // Open
        QCOMPARE(w_->nodeItem(6)->text(0) + QString::number(w_->listRowCount()) + w_->panelText(2) +
                     w_->windowTitle(),
                 QStringLiteral("Money0 Quantimetrix")); // the old choice is gone
        program_->table.psCategoryName[3] = "Cash";
        program_->table.pbTableChanged = true;
        prompt_.answers = {MsgResult::Yes};
        QTRY_VERIFY_WITH_TIMEOUT(m().mnuFileArray[1]->isEnabled(), 300);
        m().mnuFileArray[1]->trigger(); // Save, after the overwrite question
        QVERIFY(fileBytes(other).contains("3;2;Cash\r\n"));
        QVERIFY(!program_->table.pbTableChanged);
    }

    void failedOpenKeepsTheWorkingTableAndItsPath() {
        writeFile(path("bad.dat"), "not a table");
        program_->table.pbTableChanged = true;
        prompt_.answers = {MsgResult::No, MsgResult::OK, MsgResult::No}; // and before closing
        dialogAnswers_ = {path("bad.dat"), std::nullopt};
        button("Open")->trigger();
        // The dialog came back after the failed read; the question, the reader's message.
        QCOMPARE(dialogs_.size() * 10 + prompt_.messages.size(), std::size_t{22});
        QVERIFY(w_->nodeItem(6)->text(0) == "Length" && program_->table.pbTableChanged);
        QVERIFY(w_->close());
        QCOMPARE(stored("File", "SaveFilePath"), dataPath().toStdString());
    }

    void realDialogsShowFolderAndName() {
        c().fileDialogHook = nullptr; // the window's own QFileDialog
        QStringList seen;
        for (const char* key : {"SaveAs", "Open"}) {
            QTimer::singleShot(0, this, [&seen] {
                auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(d);
                seen << QDir(d->directory()).canonicalPath()
                     << d->selectedFiles().value(0).section('/', -1)
                     << QString::number(d->acceptMode()) +
                            QString::number(d->testOption(QFileDialog::DontConfirmOverwrite));
                d->reject();
            });
            button(key)->trigger();
        }
        const QString folder = QDir(dir_->path()).canonicalPath();
        QCOMPARE(seen, (QStringList{folder, "sample.dat", "10", folder, "sample.dat", "01"}));
    }
};

} // namespace qm

QTEST_MAIN(qm::MenusTest)
#include "menus_gui_test.moc"
