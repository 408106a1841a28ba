// What a new user relies on: pasting a number, the tip that comes up while
// typing, the marks on the chosen units, the placeholders of the boxes and
// the tooltips of cut-off texts.
#include "auxwindows/frmHint.h"

#include "windowfixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QToolTip>

#include <functional>
#include <tuple>

namespace qm {

namespace {

// Shows the tips in the real tip window, as the program does.
class TipPrompt : public RecordingPrompt {
  public:
    Settings* settings = nullptr;
    void showHint(int n) override {
        RecordingPrompt::showHint(n);
        pShowHint(*settings, "period", n, QApplication::activeWindow());
    }
};

QList<frmHint*> visibleTips() {
    QList<frmHint*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<frmHint*>(w); h && h->isVisible()) out << h;
    return out;
}

void closeTips() {
    for (frmHint* h : visibleTips())
        h->reject();
}

} // namespace

class UsabilityTest : public QObject, public test::WindowFixture {
    Q_OBJECT

    TipPrompt tips_;

    // "name:mark" for every marked row.
    QStringList marks() const {
        QStringList out;
        for (int r = 0; r < w_->listRowCount(); ++r) {
            const int m = w_->listModel()->index(r, 0).data(MainWindow::kUnitMarkRole).toInt();
            if (m != 0) out << QStringLiteral("%1:%2").arg(w_->listRowText(r)).arg(m);
        }
        return out;
    }

  private slots:
    void init() { setUp(); }
    void cleanup() {
        closeTips();
        otherPrompt_ = nullptr;
        tearDown();
    }

    void pasteTakesTheFirstLineWithoutOuterBlanks() {
        start();
        chooseUnits(0, 4); // metre into Yard
        const auto editMenu = [this] { w_->mPaste(0); };
        const auto ctrlV = [this] {
            QTest::keyClick(w_->inputBox(), Qt::Key_V, Qt::ControlModifier);
        };
        const auto boxMenu = [this] { // the box's own menu, its Paste item
            QTimer::singleShot(100, this, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                for (QAction* a : menu->actions())
                    if (a->text().startsWith(QStringLiteral("&Paste"))) a->trigger();
                menu->close();
            });
            QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(4, 4),
                                w_->inputBox()->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(w_->inputBox(), &e);
        };
        // The text in the box (the caret at its end), the clipboard, the paste, the box's
        // text and its conversion afterwards.
        const std::tuple<const char*, const char*, std::function<void()>, const char*> cases[] = {
            {"7", "  12.5 \r\n", editMenu, "12.5 13.6702"}, // the menu replaces the whole box
            {"1", "2\n3\n", ctrlV, "12 13.1234"},           // the keys insert at the caret
            {"9", " 8\n", boxMenu, "98 107.174"}};
        for (const auto& [before, clip, paste, after] : cases) {
            w_->inputBox()->setText(QString::fromLatin1(before));
            w_->inputBox()->setFocus();
            QGuiApplication::clipboard()->setText(QString::fromLatin1(clip));
            paste();
            QCOMPARE(w_->inputBox()->text() + " " + outputText(), QString::fromLatin1(after));
        }
    }

    void theTipLeavesWhatIsTypedInTheBox() {
        otherPrompt_ = &tips_;
        start();
        tips_.settings = &program_->settings;
        chooseUnits(0, 4); // metre into Yard
        // The result box in the middle of the screen, where the tip stood.
        const QPoint mid = w_->screen()->availableGeometry().center();
        w_->move(w_->pos() + mid - w_->outputBox()->mapToGlobal(w_->outputBox()->rect().center()));
        w_->activateWindow();
        // The next key goes where the keyboard is, as a user's would.
        QTimer::singleShot(300, this, [] {
            if (QWindow* focus = QGuiApplication::focusWindow()) QTest::keyClick(focus, '5');
            closeTips(); // a modal tip would still be waiting here
        });
        const auto tipLeavesTheBoxes = [this] {
            const QRect tip = visibleTips().front()->frameGeometry();
            for (const QWidget* box : {w_->inputBox(), w_->outputBox()})
                QVERIFY(!tip.intersects(QRect(box->mapToGlobal(QPoint(0, 0)), box->size())));
        };
        typeInput("1,");
        QVERIFY(tips_.hints == std::vector<int>{5} && visibleTips().size() == 1);
        tipLeavesTheBoxes();
        QTest::qWait(400);
        QCOMPARE(w_->inputBox()->text(), QStringLiteral("1,5"));
        w_->setGeometry(w_->screen()->availableGeometry()); // no room beside the window
        typeInput(",");                                     // the tip again: still one window
        QCOMPARE(QString::number(visibleTips().size()) + outputText(),
                 QStringLiteral("1Input error"));
        tipLeavesTheBoxes();
    }

    void chosenUnitsAreMarkedAndTheBoxesSayWhatIsMissing() {
        start();
        const QString left = QStringLiteral("Left-click a unit to convert from");
        const QString right = QStringLiteral("Right-click a unit to convert into");
        // clang-format off
        // What is done; the marks (name:1 from, name:2 into, name:3 both), the placeholders.
        const std::tuple<const char*, std::function<void()>, QStringList, QString, QString> steps[] = {
            {"start", [] {}, {}, left, right},
            {"left metre", [this] { clickRow(0, Qt::LeftButton); }, {"metre:1"}, "", right},
            {"right Yard", [this] { clickRow(4, Qt::RightButton); }, {"metre:1", "Yard:2"}, "", ""},
            {"swap", [this] { w_->swapUnits(); }, {"metre:2", "Yard:1"}, "", ""},
            {"arrange by name", [this] { w_->mChangeSortType(1); }, {"metre:2", "Yard:1"}, "", ""},
            {"another category", [this] { clickNode(7); }, {}, left, right},
            {"Constants", [this] { clickNode(5); }, {}, "", ""}
        };
        // clang-format on
        for (const auto& [what, act, marked, input, output] : steps) {
            act();
            QCOMPARE(QStringList({what, marks().join(','), w_->inputBox()->placeholderText(),
                                  w_->outputBox()->placeholderText(),
                                  w_->inputBox()->toolTip() + w_->outputBox()->toolTip()}),
                     QStringList({what, marked.join(','), input, output, input + output}));
        }
    }

    void aCutOffTextShowsInFullAsATooltip() {
        start();
        w_->detailsView()->setColumnWidth(0, 30);
        const QModelIndex index = w_->listModel()->index(4, 0);
        const QPoint at = w_->detailsView()->visualRect(index).center();
        QHelpEvent help(QEvent::ToolTip, at, listViewport()->mapToGlobal(at));
        QApplication::sendEvent(listViewport(), &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Yard"));
    }
};

} // namespace qm

QTEST_MAIN(qm::UsabilityTest)
#include "usability_gui_test.moc"
