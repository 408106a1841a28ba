// Dragging in the main window with the mouse (press, moves, release on the
// real views and boxes) and the memo window, on the sample table.
#include "windowfixture.h"

#include "auxwindows/frmMemo.h"
#include "mainwindow/MainWindowDrag.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace qm {

class DragMemoTest : public QObject, public test::WindowFixture {
    Q_OBJECT

    QWidget* treeViewport() const { return w_->treeView()->viewport(); }
    QPoint nodePoint(int node) const {
        return w_->treeView()->visualItemRect(w_->nodeItem(node)).center();
    }
    // Presses at `from` on the view, moves in steps to `at` on the target and,
    // unless told to hold, releases there. The view keeps the mouse throughout.
    void drag(QWidget* source, QPoint from, QWidget* target, QPoint at, bool release = true) {
        QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, from);
        const QPoint to = source->mapFromGlobal(target->mapToGlobal(at));
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(source, from + (to - from) * i / 4);
        if (release) QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, to);
    }
    // Ends a held row drag over a point of the target.
    void releaseRowOver(QWidget* target, QPoint at) {
        QTest::mouseRelease(listViewport(), Qt::LeftButton, Qt::NoModifier,
                            listViewport()->mapFromGlobal(target->mapToGlobal(at)));
    }
    void dragRowTo(int row, QWidget* target, QPoint at, bool release = true) {
        drag(listViewport(), rowPoint(row), target, at, release);
    }
    QStringList nodeTexts(int parent) const {
        QStringList out;
        for (int i = 0; i < w_->nodeItem(parent)->childCount(); ++i)
            out << w_->nodeItem(parent)->child(i)->text(0);
        return out;
    }

  private slots:
    void init() {
        setUp();
        start();
    }
    void cleanup() { tearDown(); }

    void unitsDroppedOnTheBoxesAreChosen() {
        QLineEdit* in = w_->inputBox();
        dragRowTo(1, in, in->rect().center());
        dragRowTo(2, w_->outputBox(), QPoint(5, 5));
        QCOMPARE(w_->panelText(2) + "|" + w_->panelText(4), QStringLiteral("Foot|inch"));
        typeInput("1");
        QCOMPARE(outputText(), QStringLiteral("12.0000"));
        // A constant chooses nothing.
        clickNode(5);
        dragRowTo(0, in, QPoint(5, 5));
        QVERIFY(w_->panelText(2).isEmpty());
        QVERIFY(!program_->table.pbTableChanged);
    }

    void movesInTheListAndTheTreeUnlessSorted() {
        dragRowTo(0, listViewport(), rowPoint(2));
        QCOMPARE(rowTexts(), (QStringList{"Foot", "inch", "metre", "Foot", "Yard"}));
        QVERIFY(program_->table.pbTableChanged);

        clickNode(7); // Area, into the Mechanics group
        drag(treeViewport(), nodePoint(7), treeViewport(), nodePoint(3));
        QCOMPARE(nodeTexts(3), (QStringList{"Mass", "Temperature", "Area"}));
        QVERIFY(w_->undoTableEdit() && w_->undoTableEdit()); // both moves undone
        QCOMPARE(nodeTexts(2), (QStringList{"Length", "Area"}));
        QCOMPARE(program_->table.unit(3, 1).Name, std::string("metre"));
        QVERIFY(!program_->table.pbTableChanged);
    }

    void heldNearTheListsBottomItScrollsOrEndsWhenSorted() {
        QTableView* list = w_->detailsView();
        const QPoint bottom(10, list->height() - 3);
        dragRowTo(0, list, bottom, false);
        QTRY_COMPARE(w_->dragger()->scrollPosition(), 5); // stepped to the last row
        releaseRowOver(list, bottom);
        program_->settings.SortUnit = true;
        dragRowTo(0, list, bottom, false);
        QTRY_COMPARE(prompt_.hints, std::vector<int>{1});
        QTest::mouseMove(listViewport(), rowPoint(2)); // held on: no new drag until a new press
        QCOMPARE(w_->dragger()->dragging(), DragKind::None);
        releaseRowOver(listViewport(), rowPoint(0));
    }

    void memoEditsAreStoredAndUndone() {
        clickRow(1, Qt::LeftButton); // the first Foot
        w_->commands()->hooks.showMemo();
        auto* memo = w_->findChild<frmMemo*>();
        QVERIFY(memo && memo->isVisible());
        QCOMPARE(memo->memoBox()->toPlainText(), QStringLiteral("international foot"));
        memo->memoBox()->setFocus();
        QTest::keyClicks(memo->memoBox(), QStringLiteral("x;"));
        QTest::keyClick(memo->memoBox(), Qt::Key_Return);
        QTest::keyClicks(memo->memoBox(), QStringLiteral("y"));
        clickRow(2, Qt::LeftButton); // another unit: the memo is stored, the window follows
        QTRY_COMPARE(memo->windowTitle(), QStringLiteral(" About inch"));
        QCOMPARE(prompt_.messages.size(), std::size_t{1});
        QCOMPARE(program_->table.unit(3, 2).Memo, std::string("x, yinternational foot"));
        QVERIFY(program_->table.pbTableChanged);
        memo->resize(333, 111);
        memo->close();
        QCOMPARE(std::lround(program_->settings.MemoWidth / program_->twipsPerPixelX), 333L);
        QVERIFY(w_->undoTableEdit());
        QCOMPARE(program_->table.unit(3, 2).Memo, std::string("international foot"));
        w_->commands()->hooks.showMemo();
        program_->settings.Modify = 0; // switched off while the window shows
        memo->followSelection();
        QVERIFY(memo->memoBox()->isReadOnly());
    }
};

} // namespace qm

QTEST_MAIN(qm::DragMemoTest)
#include "dragmemo_gui_test.moc"
