// The main window driven as a user drives it: clicks with either button on
// list rows and tree nodes, typing, Enter and Shift+Enter, Ctrl+W, renaming,
// arranging, copy and paste, closing and starting again.
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

  private slots:
    void init() {
        setUp();
        start();
    }
    void cleanup() { tearDown(); }

    void startUpRestoresTheStoredCategory() {
        QVERIFY(prompt_.messages.empty());
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix - Length"));
        QCOMPARE(w_->treeView()->currentItem(), w_->nodeItem(6));
        QCOMPARE(w_->nodeItem(1)->text(0), QStringLiteral("sample.dat"));
        QCOMPARE(w_->panelText(1), QStringLiteral(" Convert "));
        QCOMPARE(w_->panelText(3), QStringLiteral(" into "));
        QCOMPARE(rowTexts(), (QStringList{"metre", "Foot", "inch", "Foot", "Yard"}));
        QCOMPARE(w_->listModel()->horizontalHeaderItem(0)->text(), QStringLiteral("Unit Name"));
        QVERIFY(w_->nodeItem(2)->isExpanded());
        QVERIFY(!w_->nodeItem(3)->isExpanded());
        QCOMPARE(program_->sel.pnSelGroupIndex, int16_t{3});
    }

    void leftAndRightButtonsChooseUnitsAndTypingConverts() {
        clickRow(1, Qt::RightButton); // convert into Foot first
        QCOMPARE(w_->panelText(4), QStringLiteral("Foot"));
        QCOMPARE(w_->panelText(2), QString());
        QVERIFY(w_->inputBox()->hasFocus());
        typeInput("3");
        QCOMPARE(outputText(), QString()); // only one unit chosen
        clickRow(4, Qt::LeftButton);       // from Yard: 3 yd = 9 ft
        QCOMPARE(w_->panelText(2), QStringLiteral("Yard"));
        QCOMPARE(outputText(), QStringLiteral("9.00000"));
        QVERIFY(!w_->swapMenu()->isVisible()); // the right button opened no menu
        typeInput("0");                        // 30 yd = 90 ft, on every keystroke
        QCOMPARE(outputText(), QStringLiteral("90.0000"));
        QTest::keyClick(w_->inputBox(), Qt::Key_Backspace);
        QCOMPARE(outputText(), QStringLiteral("9.00000"));
        w_->inputBox()->clear();
        QCOMPARE(outputText(), QString());
    }

    void enterAndShiftEnterInTheList() {
        QTableView* view = w_->detailsView();
        view->setFocus();
        view->setCurrentIndex(w_->listModel()->index(2, 0)); // inch
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(w_->panelText(2), QStringLiteral("inch"));
        QCOMPARE(program_->sel.pnConvFromIndex, int16_t{3});
        view->setCurrentIndex(w_->listModel()->index(3, 0)); // the second "Foot" row
        QTest::keyClick(view, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(w_->panelText(4), QStringLiteral("Foot"));
        QCOMPARE(program_->sel.pnConvIntoIndex, int16_t{2}); // a name finds the first unit
        QVERIFY(w_->inputBox()->hasFocus());
        typeInput("12");
        QCOMPARE(outputText(), QStringLiteral("1.00000")); // 12 in = 1 ft
        view->setCurrentIndex(w_->listModel()->index(0, 0));
        QTest::keyClick(view, Qt::Key_Return, Qt::ControlModifier); // chooses nothing
        QCOMPARE(w_->panelText(2), QStringLiteral("inch"));
    }

    void enterInTheEmptyInputBoxRunsTheDriver() {
        w_->outputBox()->setText(QStringLiteral("stale"));
        w_->inputBox()->setFocus();
        QTest::keyClick(w_->inputBox(), Qt::Key_Return);
        QCOMPARE(outputText(), QString());
    }

    void ctrlWSwapsFromEveryControl() {
        clickRow(0, Qt::LeftButton);  // metre
        clickRow(4, Qt::RightButton); // Yard
        typeInput("9.144");
        QCOMPARE(outputText(), QStringLiteral("10.0000"));
        QTest::keyClick(w_->inputBox(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(w_->panelText(2), QStringLiteral("Yard"));
        QCOMPARE(w_->panelText(4), QStringLiteral("metre"));
        QCOMPARE(outputText(), QStringLiteral("8.36127")); // 9.144 yd = 8.3612736 m
        w_->treeView()->setFocus();
        QTest::keyClick(w_->treeView(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(w_->panelText(2), QStringLiteral("metre"));
        w_->detailsView()->setFocus();
        QTest::keyClick(w_->detailsView(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w_->panelText(2), QStringLiteral("metre")); // Ctrl+Shift+W does not swap
        QTest::keyClick(w_->detailsView(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(w_->panelText(2), QStringLiteral("Yard"));
    }

    void swapWithOneUnitMovesItsName() {
        clickRow(2, Qt::LeftButton);
        w_->swapUnits();
        QCOMPARE(w_->panelText(2), QString());
        QCOMPARE(w_->panelText(4), QStringLiteral("inch"));
        QCOMPARE(program_->sel.pnConvIntoIndex, int16_t{3});
    }

    void arrowOffersTheSwapOnlyWithBothUnits() {
        QLabel* arrow = w_->arrowImage();
        QTest::mousePress(arrow, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!w_->swapMenu()->isVisible());
        QTest::mouseRelease(arrow, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        clickRow(0, Qt::LeftButton);
        clickRow(1, Qt::RightButton);
        QTest::mousePress(arrow, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QTRY_VERIFY(w_->swapMenu()->isVisible());
        QCOMPARE(w_->swapMenu()->actions().at(0)->text(), QStringLiteral("&Swap Units"));
        w_->swapMenu()->actions().at(0)->trigger();
        w_->swapMenu()->close();
        QCOMPARE(w_->panelText(2), QStringLiteral("Foot"));
        QCOMPARE(w_->panelText(4), QStringLiteral("metre"));
    }

    void constantsRowsChooseNothing() {
        clickNode(5);
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix - Constants"));
        QCOMPARE(w_->listModel()->horizontalHeaderItem(0)->text(), QStringLiteral("Quantity"));
        QCOMPARE(rowTexts(), QStringList{"Speed of light"});
        clickRow(0, Qt::LeftButton);
        clickRow(0, Qt::RightButton);
        QCOMPARE(w_->panelText(2), QString());
        QCOMPARE(w_->panelText(4), QString());
        w_->detailsView()->setCurrentIndex(w_->listModel()->index(0, 0));
        QTest::keyClick(w_->detailsView(), Qt::Key_Return);
        QCOMPARE(w_->panelText(2), QString());
    }

    void numberSystemConverts() {
        clickNode(4);
        QCOMPARE(w_->listModel()->horizontalHeaderItem(0)->text(),
                 QStringLiteral("Numerical Notation"));
        QCOMPARE(w_->listModel()->horizontalHeaderItem(1)->text(), QStringLiteral(" "));
        clickRow(2, Qt::LeftButton);  // Decimal
        clickRow(0, Qt::RightButton); // Binary
        typeInput("10");
        QCOMPARE(outputText(), QStringLiteral("0000000000001010")); // sixteen binary digits
    }

    void anotherCategoryClearsTheChoiceAndArrowKeysOnlyHighlight() {
        clickRow(0, Qt::LeftButton);
        clickRow(1, Qt::RightButton);
        typeInput("1");
        QVERIFY(!outputText().isEmpty());
        clickNode(6); // the same category: nothing changes
        QCOMPARE(w_->panelText(2), QStringLiteral("metre"));
        clickNode(7);
        QCOMPARE(w_->panelText(2), QString());
        QCOMPARE(outputText(), QString());
        QCOMPARE(rowTexts(), QStringList{"square metre"});
        w_->treeView()->setFocus();
        QTest::keyClick(w_->treeView(), Qt::Key_Up); // highlight Length
        QCOMPARE(rowTexts(), QStringList{"square metre"});
        QCOMPARE(program_->settings.pnSelNodeIndex, int16_t{7});
        QTest::keyClick(w_->treeView(), Qt::Key_Return);
        QCOMPARE(program_->settings.pnSelNodeIndex, int16_t{6});
        QCOMPARE(rowTexts().size(), 5);
        QCOMPARE(w_->detailsView()->currentIndex().row(), 0);
        clickNode(2); // a group: empty list, caption without a category
        QCOMPARE(w_->listRowCount(), 0);
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix"));
    }

    void renamingInPlaceFollowsModify() {
        // With Modify off a second click never edits.
        program_->settings.Modify = 0;
        clickNode(6);
        clickNode(6);
        QTest::qWait(50);
        QVERIFY(!editorIn(w_->treeView()));
        // With it on, the second click on the same node edits its label.
        program_->settings.Modify = 1;
        clickNode(6);
        QTRY_VERIFY(editorIn(w_->treeView()));
        auto* editor = editorIn(w_->treeView());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Distance"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(program_->table.psCategoryName[3],
                     std::string("Distance")); // committed queued
        QVERIFY(program_->table.pbTableChanged);
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix - Distance"));
        // The root is never edited in place.
        clickNode(1);
        clickNode(1);
        QTest::qWait(50);
        QVERIFY(!editorIn(w_->treeView()));

        // A unit: the second click on the same row.
        clickNode(6);
        clickRow(4, Qt::LeftButton);
        clickRow(0, Qt::RightButton);
        QCOMPARE(w_->panelText(2), QStringLiteral("Yard"));
        clickRow(4, Qt::LeftButton);
        QTRY_VERIFY(editorIn(w_->detailsView()));
        editor = editorIn(w_->detailsView());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Yards"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(program_->table.unit(3, 5).Name, std::string("Yards"));
        QCOMPARE(w_->panelText(2), QString()); // the choice is cleared
        QCOMPARE(w_->panelText(4), QString());
        program_->settings.Modify = 0;
        clickRow(2, Qt::LeftButton);
        clickRow(2, Qt::LeftButton);
        QTest::qWait(50);
        QVERIFY(!editorIn(w_->detailsView()));
    }

    void arrangingByNameKeepsNodeIndices() {
        w_->mChangeSortType(0);
        QVERIFY(program_->settings.SortGroup);
        QTreeWidgetItem* space = w_->nodeItem(2);
        QCOMPARE(space->child(0)->text(0), QStringLiteral("Area"));
        QCOMPARE(w_->nodeIndexOf(space->child(0)), 7);
        QCOMPARE(w_->nodeItem(6)->text(0), QStringLiteral("Length"));
        QCOMPARE(w_->treeView()->currentItem(), w_->nodeItem(6)); // the same node stays selected
        clickNode(7);
        QCOMPARE(program_->settings.pnSelNodeIndex, int16_t{7});
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix - Area"));
        w_->mChangeSortType(0);
        QCOMPARE(w_->nodeItem(2)->child(0)->text(0), QStringLiteral("Length"));
        QCOMPARE(w_->treeView()->currentItem(), w_->nodeItem(7));
    }

    void arrangingUnitsAndTheColumnClick() {
        w_->mChangeSortType(1);
        QCOMPARE(rowTexts(), (QStringList{"Foot", "Foot", "inch", "metre", "Yard"}));
        QHeaderView* header = w_->detailsView()->horizontalHeader();
        const QPoint second(header->sectionViewportPosition(1) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, second);
        QCOMPARE(rowTexts().first(), QStringLiteral("Foot")); // other columns do nothing
        const QPoint first(header->sectionViewportPosition(0) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, first);
        QCOMPARE(rowTexts(),
                 (QStringList{"Yard", "metre", "inch", "Foot", "Foot"})); // descending first
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, first);
        QCOMPARE(rowTexts().first(), QStringLiteral("Foot"));
        w_->mChangeSortType(1);
        QCOMPARE(rowTexts(), (QStringList{"metre", "Foot", "inch", "Foot", "Yard"}));
    }

    void copyCutsTheErrorAndKeepsTheFullTextInTheHistory() {
        program_->settings.numberStyle.pbShowError = true;
        clickRow(1, Qt::LeftButton);  // Foot, with a ratio error
        clickRow(0, Qt::RightButton); // metre
        typeInput("10");
        const QString out = outputText();
        const QString sign = QString::fromUtf8("\xC2\xB1");
        QVERIFY2(out.startsWith(QStringLiteral("3.04800 ") + sign), qPrintable(out));
        w_->mCopy(0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3.04800"));
        QCOMPARE(QString::fromStdString(program_->history.entries[0]),
                 QStringLiteral("10 Foot = ") + out + QStringLiteral(" metre"));
        // Unit properties of the unit under the last press.
        w_->mCopy(2);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("metre 1 0 0 0 SI base unit"));
        QCOMPARE(program_->history.count, 2);
        // Pasting replaces the input and converts.
        QGuiApplication::clipboard()->setText(QStringLiteral("20"));
        w_->mPaste(0);
        QCOMPARE(w_->inputBox()->text(), QStringLiteral("20"));
        QVERIFY(outputText().startsWith(QStringLiteral("6.09600 ")));
    }

    void ninthCopyDropsTheOldest() {
        clickRow(0, Qt::LeftButton);
        clickRow(0, Qt::RightButton);
        for (int i = 1; i <= 9; ++i) {
            w_->inputBox()->setText(QString::number(i));
            w_->mCopy(0);
        }
        QCOMPARE(program_->history.count, 8);
        QCOMPARE(program_->history.entries[0], std::string("9 metre = 9.00000 metre"));
        QCOMPARE(program_->history.entries[7], std::string("2 metre = 2.00000 metre"));
    }

    void restartRestoresTheSelectionAndTheSettings() {
        w_->selectNode(9);                   // Temperature
        w_->nodeItem(3)->setExpanded(false); // its group collapsed again
        w_->mSetListView(0);
        program_->settings.numberStyle.pnDigits = 4;
        restart();
        QCOMPARE(stored("View", "SelNodeIndex"), std::string("9"));
        QCOMPARE(program_->settings.pnSelNodeIndex, int16_t{9});
        QCOMPARE(w_->treeView()->currentItem(), w_->nodeItem(3)); // the collapsed parent
        QCOMPARE(rowTexts(), (QStringList{"Kelvin", "Celsius"}));
        QCOMPARE(w_->windowTitle(), QStringLiteral(" Quantimetrix - Temperature"));
        QCOMPARE(program_->settings.View, int16_t{2});
        QCOMPARE(qobject_cast<QStackedWidget*>(w_->detailsView()->parentWidget())->currentWidget(),
                 static_cast<QWidget*>(w_->listModeView()));
        QCOMPARE(program_->settings.numberStyle.pnDigits, int16_t{4});
        clickRow(1, Qt::LeftButton);
        clickRow(0, Qt::RightButton);
        typeInput("0");
        QCOMPARE(outputText(), QStringLiteral("273.1")); // 0 Celsius in Kelvin, four digits
    }

    void expandedGroupsAreWrittenBackAtClosing() {
        w_->nodeItem(3)->setExpanded(true);
        w_->nodeItem(2)->setExpanded(false);
        restart();
        QVERIFY(w_->nodeItem(3)->isExpanded());
        QVERIFY(!w_->nodeItem(2)->isExpanded());
        QVERIFY(fileBytes(dataPath().toStdString()).startsWith("Space;0\r\nMechanics;1\r\n"));
    }

    void failedReadLeavesAnEmptyTreeAndClosesAtOnce() {
        closeWindow();
        const std::string missing = path("missing.dat");
        put("File", "SaveFilePath", missing);
        put("View", "SelNodeIndex", "6");
        prompt_ = RecordingPrompt{};
        start();
        QCOMPARE(prompt_.messages.size(), std::size_t{1});
        QVERIFY(prompt_.messages[0].text.find("This file cannot be found.") != std::string::npos);
        QCOMPARE(w_->treeView()->topLevelItemCount(), 0);
        QCOMPARE(w_->listRowCount(), 0);
        put("View", "SelNodeIndex", "77");
        QVERIFY(w_->close());
        QCOMPARE(stored("View", "SelNodeIndex"), std::string("77")); // nothing was saved
        QVERIFY(!QFile::exists(QString::fromStdString(missing)));
    }

    void copyOfAnAbsentUnitGivesAnEmptyText() {
        // The driver's "Error Code" report reaches the injected prompt.
        prompt_.messages.clear();
        program_->table.units.clear(); // a table whose unit arrays are gone
        w_->mCopy(2);
        QVERIFY(prompt_.messages.empty()); // copy of an absent unit gives an empty text
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }
};

} // namespace qm

QTEST_MAIN(qm::MainWindowTest)
#include "mainwindow_gui_test.moc"
