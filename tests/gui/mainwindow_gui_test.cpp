// The main window driven as a user drives it: clicks with any button on list
// rows and tree nodes, typing, Enter and Shift+Enter, Ctrl+W, renaming,
// arranging, copy and paste, a failed start and starting again. What the
// window shows is worked out by the view logic; these tests check that each
// event reaches it and that its result reaches the widgets.
#include "windowfixture.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QStackedWidget>

namespace qm {

class MainWindowTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    // The label editor open in a view, or nullptr.
    static QLineEdit* editorIn(QWidget* view) {
        auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return e && view->isAncestorOf(e) ? e : nullptr;
    }
    // Waits as long as a second click would, then the label editor open in the view.
    static QLineEdit* editorAfterAWhile(QWidget* view) {
        QTest::qWait(50);
        return editorIn(view);
    }
    QString units() const { return w_->panelText(2) + "|" + w_->panelText(4); }
    void renameIn(QWidget* view, const char* text) {
        QTRY_VERIFY(editorIn(view));
        QLineEdit* editor = editorIn(view);
        editor->selectAll();
        QTest::keyClicks(editor, QString::fromLatin1(text));
        QTest::keyClick(editor, Qt::Key_Return);
    }

  private slots:
    void init() {
        setUp();
        start();
    }
    void cleanup() { tearDown(); }

    void startUpRestoresTheStoredCategory() {
        QCOMPARE(w_->windowTitle() + w_->nodeItem(1)->text(0) + w_->panelText(1) + w_->panelText(3),
                 QStringLiteral(" Quantimetrix - Lengthsample.dat Convert  into "));
        QCOMPARE(rowTexts(), (QStringList{"metre", "Foot", "inch", "Foot", "Yard"}));
        QVERIFY(w_->nodeItem(2)->isExpanded() && !w_->nodeItem(3)->isExpanded() &&
                prompt_.messages.empty());
    }

    void eachButtonReleaseChoosesAndConvertsAndCtrlWSwaps() {
        clickRow(1, Qt::RightButton); // convert into Foot first
        QVERIFY(w_->inputBox()->hasFocus());
        typeInput("3");
        QCOMPARE(units() + outputText(), QStringLiteral("|Foot")); // only one unit chosen
        clickRow(4, Qt::LeftButton);                               // from Yard: 3 yd = 9 ft
        QCOMPARE(units() + outputText(), QStringLiteral("Yard|Foot9.00000"));
        typeInput("0"); // 30 yd = 90 ft, on every keystroke
        QCOMPARE(outputText(), QStringLiteral("90.0000"));
        QTest::keyClick(w_->inputBox(), Qt::Key_W, Qt::ControlModifier); // 30 ft = 10 yd
        QCOMPARE(units() + outputText(), QStringLiteral("Foot|Yard10.0000"));
    }

    void enterAndShiftEnterInTheList() {
        QTableView* view = w_->detailsView();
        view->setFocus();
        view->setCurrentIndex(w_->listModel()->index(2, 0)); // inch
        QTest::keyClick(view, Qt::Key_Return);
        view->setCurrentIndex(w_->listModel()->index(3, 0)); // the second "Foot" row
        QTest::keyClick(view, Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(w_->inputBox()->hasFocus());
        typeInput("12"); // 12 in = 1 ft; a name finds the first unit
        QCOMPARE(units() + outputText() + QString::number(program_->sel.pnConvIntoIndex),
                 QStringLiteral("inch|Foot1.000002"));
    }

    void arrowOffersTheSwapOnlyWithBothUnits() {
        QLabel* arrow = w_->arrowImage();
        clickRow(2, Qt::LeftButton); // one unit
        QTest::mousePress(arrow, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!w_->swapMenu()->isVisible());
        QTest::mouseRelease(arrow, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        chooseUnits(0, 1);
        QTest::mousePress(arrow, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QTRY_VERIFY(w_->swapMenu()->isVisible());
        w_->swapMenu()->actions().at(0)->trigger();
        w_->swapMenu()->close();
        QCOMPARE(units(), QStringLiteral("Foot|metre"));
    }

    void numberSystemConvertsAndConstantsRowsChooseNothing() {
        clickNode(4);
        chooseUnits(2, 0); // Decimal into Binary
        typeInput("10");
        QCOMPARE(outputText(), QStringLiteral("0000000000001010")); // sixteen binary digits
        clickNode(5);
        chooseUnits(0, 0);
        w_->detailsView()->setCurrentIndex(w_->listModel()->index(0, 0));
        QTest::keyClick(w_->detailsView(), Qt::Key_Return);
        QCOMPARE(units(), QStringLiteral("|"));
    }

    void anotherCategoryClearsTheChoiceAndArrowKeysOnlyHighlight() {
        chooseUnits(0, 1);
        typeInput("1");
        clickNode(7);
        typeInput("2"); // the old unit numbers stay behind: nothing converts
        w_->treeView()->setFocus();
        QTest::keyClick(w_->treeView(), Qt::Key_Up); // highlight Length
        QCOMPARE(units() + outputText() + rowTexts().join(','), QStringLiteral("|square metre"));
        QTest::keyClick(w_->treeView(), Qt::Key_Return);
        QCOMPARE(program_->settings.pnSelNodeIndex * 10 + w_->detailsView()->currentIndex().row(),
                 60);
    }

    void renamingStartsOnlyOnASecondSingleClick() {
        program_->settings.Modify = 0;
        clickNode(6);
        clickNode(6);
        QVERIFY(!editorAfterAWhile(w_->treeView())); // never with Modify off
        program_->settings.Modify = 1;
        clickNode(6);
        renameIn(w_->treeView(), "Distance");
        QTRY_COMPARE(program_->table.psCategoryName[3], std::string("Distance"));
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix - Distance"));
        clickNode(1);
        clickNode(1);
        QVERIFY(!editorAfterAWhile(w_->treeView())); // never the root
        clickNode(7);
        QTest::keyClick(w_->treeView(), Qt::Key_Up); // the highlight moves away
        clickNode(7);                                // and back with a first click
        QVERIFY(!editorAfterAWhile(w_->treeView()));
        clickNode(6); // a double-click on a unit opens no editor
        clickRow(4, Qt::LeftButton);
        QTest::mouseDClick(listViewport(), Qt::LeftButton, Qt::NoModifier, rowPoint(4));
        QTest::mouseRelease(listViewport(), Qt::LeftButton, Qt::NoModifier, rowPoint(4));
        QVERIFY(!editorAfterAWhile(w_->detailsView()) && w_->inputBox()->hasFocus());
        // Moved away with the keyboard and clicked again: a first click.
        QTest::keyClick(w_->detailsView(), Qt::Key_Up);
        clickRow(4, Qt::LeftButton);
        QVERIFY(!editorAfterAWhile(w_->detailsView()));
        clickRow(4, Qt::LeftButton); // the second single click
        renameIn(w_->detailsView(), "Yards");
        QTRY_COMPARE(program_->table.unit(3, 5).Name, std::string("Yards"));
        QVERIFY(program_->table.pbTableChanged && units() == "|"); // the choice is cleared
        program_->settings.Modify = 0;
        clickRow(2, Qt::LeftButton);
        clickRow(2, Qt::LeftButton);
        QVERIFY(!editorAfterAWhile(w_->detailsView()));
    }

    void arrangingByNameKeepsNodeIndices() {
        w_->mChangeSortType(0);
        QTreeWidgetItem* first = w_->nodeItem(2)->child(0);
        QCOMPARE(first->text(0) + QString::number(w_->nodeIndexOf(first)), "Area7");
        QCOMPARE(w_->treeView()->currentItem(), w_->nodeItem(6)); // the same node stays selected
        w_->mChangeSortType(0);
        QCOMPARE(w_->nodeItem(2)->child(0)->text(0), QStringLiteral("Length"));
    }

    void arrangingUnitsAndTheColumnClick() {
        w_->mChangeSortType(1);
        QCOMPARE(rowTexts(), (QStringList{"Foot", "Foot", "inch", "metre", "Yard"}));
        QHeaderView* header = w_->detailsView()->horizontalHeader();
        const auto clickColumn = [&](int c) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(header->sectionViewportPosition(c) + 5, header->height() / 2));
        };
        clickColumn(0);
        QCOMPARE(rowTexts().join(',') + QString::number(header->sortIndicatorOrder()),
                 QStringLiteral("Yard,metre,inch,Foot,Foot1")); // descending
    }

    void copyCutsTheErrorAndKeepsTheFullTextInTheHistory() {
        program_->settings.numberStyle.pbShowError = true;
        chooseUnits(1, 0); // Foot, with a ratio error, into metre
        typeInput("10");
        const QString out = outputText();
        QVERIFY2(out.startsWith(QStringLiteral("3.04800 ") + QChar(0xB1)), qPrintable(out));
        QCOMPARE(w_->outputBox()->cursorPosition(), 0); // a long text shows from its start
        w_->mCopy(0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3.04800"));
        QCOMPARE(QString::fromStdString(program_->history.entries[0]),
                 QStringLiteral("10 Foot = ") + out + QStringLiteral(" metre"));
    }

    void restartRestoresTheSelectionAndTheSettings() {
        w_->selectNode(9);                   // Temperature
        w_->nodeItem(3)->setExpanded(false); // its group collapsed again
        w_->mSetListView(0);
        restart();
        QCOMPARE(w_->treeView()->currentItem(), w_->nodeItem(3)); // the collapsed parent
        QCOMPARE(QString::number(program_->settings.pnSelNodeIndex) + rowTexts().join(',') +
                     w_->windowTitle(),
                 QStringLiteral("9Kelvin,Celsius Quantimetrix - Temperature"));
        QCOMPARE(qobject_cast<QStackedWidget*>(w_->detailsView()->parentWidget())->currentWidget(),
                 static_cast<QWidget*>(w_->listModeView()));
    }

    void failedReadClosesAtOnceThenOpenShowsTheTitleAloneAndTheStoredGrid() {
        closeWindow();
        put("File", "SaveFilePath", path("missing.dat"));
        put("Option", "ShowGridLines", "0");
        prompt_ = RecordingPrompt{};
        start();
        QCOMPARE(w_->windowTitle() + QString::number(prompt_.messages.size()) +
                     QString::number(w_->treeView()->topLevelItemCount()),
                 QStringLiteral(" Quantimetrix10"));
        put("View", "SelNodeIndex", "77");
        QVERIFY(w_->close());
        QCOMPARE(stored("View", "SelNodeIndex"), std::string("77")); // nothing saved
        QVERIFY(!QFile::exists(QString::fromStdString(path("missing.dat"))));
        start();
        w_->commands()->fileDialogHook = [this](const FileDialogSpec&) {
            return std::optional<std::string>(dataPath().toStdString());
        };
        w_->commands()->mOpenTable();
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix"));
        clickNode(6);
        QVERIFY(w_->listRowCount() == 5 && !w_->detailsView()->showGrid());
    }
};

} // namespace qm

QTEST_MAIN(qm::MainWindowTest)
#include "mainwindow_gui_test.moc"
