// The main window's layout on the real widgets: the layout logic decides the
// sizes in twips; these tests check that the stored geometry, the mouse on
// the splitter, the arrow and the background, resizing and minimising reach
// it, and that its rectangles reach the widgets and the settings.
#include "windowfixture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStackedWidget>

#include <cmath>

namespace qm {

class LayoutTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    static double stored(const char* section, const char* key) {
        return std::stod(WindowFixture::stored(section, key, "nan"));
    }
    double t() const { return program_->twipsPerPixelX; }
    int px(double twips) const { return static_cast<int>(std::lround(twips / t())); }
    double innerWidth() const { return w_->centralWidget()->width() * t(); }
    QWidget* list() const { return w_->findChild<QStackedWidget*>(QStringLiteral("ListView1")); }
    QLabel* arrow() const { return w_->arrowImage(); }

    // Press at a point of the target, move by dx with the left button held, release.
    static void drag(QWidget* target, QPoint local, int dx) {
        const QPoint from = target->mapToGlobal(local), to = from + QPoint(dx, 0);
        for (const auto& [type, at] : {std::pair{QEvent::MouseButtonPress, from},
                                       {QEvent::MouseMove, to},
                                       {QEvent::MouseButtonRelease, to}}) {
            QMouseEvent e(type, QPointF(target->mapFromGlobal(at)), QPointF(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QApplication::sendEvent(target, &e);
        }
    }
    QPoint splitterGap() const {
        const QRect tree = w_->treeView()->geometry();
        return w_->splitterImage()->mapFromParent(QPoint(tree.right() + 2, tree.center().y()));
    }
    void resizeWindow(int width, int height) {
        w_->resize(width, height);
        QCoreApplication::processEvents();
    }

  private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void storedGeometryReachesTheWidgets() {
        // clang-format off
        for (const auto& [key, value] : {std::pair{"Left", "600"}, {"Top", "900"},
                 {"Width", "7200"}, {"Height", "6000"}, {"TreeWidth", "2400"},
                 {"InputWidth", "1800"}, {"OutputWidth", "2400"}})
            put("Form", key, value);
        // clang-format on
        start();
        QCOMPARE(w_->frameGeometry(), QRect(px(600), px(900), px(7200), px(6000)));
        const ControlRects r = w_->formLayout().rects();
        const auto pixels = [&](const TwipRect& tw) {
            const PixelRect p = toPixelRect(tw, t(), t());
            return QRect(p.left, p.top, p.width, p.height);
        };
        QCOMPARE((QList<QRect>{w_->treeView()->geometry(), list()->geometry(),
                               w_->inputBox()->geometry(), w_->outputBox()->geometry()}),
                 (QList<QRect>{pixels(r.tree), pixels(r.list), pixels(r.input), pixels(r.output)}));
        QCOMPARE(QPointF(r.tree.width, r.input.width), QPointF(2400, 1800));
    }

    void windowNeverShrinksBelowTheMinimumSize() {
        start();
        const int minWidth = static_cast<int>(std::ceil(4500 / t()));
        resizeWindow(50, 50);
        QTRY_COMPARE(w_->frameGeometry().width(), minWidth);
        QTRY_VERIFY(w_->frameGeometry().height() * t() >= 3000);
    }

    void splitterAndArrowDragsReachTheSettings() {
        start();
        drag(w_->splitterImage(), splitterGap(), -40);
        QCOMPARE(program_->settings.TreeWidth, static_cast<float>(2760 - 40 * t()));
        drag(arrow(), QPoint(16, 8), 20);
        QCOMPARE(program_->settings.OutputWidth, static_cast<float>(2039 - 20 * t()));
    }

    void resizeThatMakesTheListTooNarrowIsUndone() {
        start();
        drag(w_->splitterImage(), splitterGap(), px(innerWidth() - 2880 - 75 - 400));
        const double listWidth = w_->formLayout().listWidth();
        const QSize before = w_->size();
        resizeWindow(before.width() - static_cast<int>(std::ceil((listWidth - 300) / t())) - 1,
                     before.height());
        QTRY_COMPARE(w_->width(), before.width());
        QCOMPARE(w_->formLayout().listWidth(), listWidth);
        resizeWindow(before.width() + 40, before.height() + 20); // a larger one is taken
        QCOMPARE(list()->geometry().right() + 1, px(innerWidth() - 75));
    }

    void minimisingClosesTheToolWindowsAndKeepsTheGeometry() {
        start();
        const QRect frame = w_->frameGeometry();
        QWidget findWindow;
        findWindow.setObjectName(QStringLiteral("frmFind"));
        findWindow.show();
        QWidget otherWindow;
        otherWindow.setObjectName(QStringLiteral("frmMemo"));
        otherWindow.show();
        w_->showMinimized();
        QTRY_VERIFY(w_->isMinimized());
        QVERIFY(!findWindow.isVisible() && otherWindow.isVisible());
        closeWindow();
        QCOMPARE(stored("Form", "Width"), frame.width() * t());
    }

    void restartsKeepTheWindowAndTheLayout() {
        put("Form", "Width", "7500");
        put("Form", "Height", "5250");
        start();
        drag(w_->splitterImage(), splitterGap(), -40);
        w_->detailsView()->setColumnWidth(1, 90);
        const QRect frame = w_->frameGeometry();
        QCOMPARE(frame.size(), QSize(px(7500), px(5250)));
        for (int i = 0; i < 3; ++i) { // a window that grew by a pixel would show it here
            restart();
            QCOMPARE(w_->frameGeometry(), frame);
        }
        QCOMPARE(w_->treeView()->width(), px(75 + 2760 - 40 * t()) - px(75));
        QCOMPARE(stored("Form", "HeaderWidth01"), 90 * t());
    }

    void aLargerBoxFontMakesRoomForTheBoxes() {
        start();
        const int boxHeight = w_->inputBox()->height();
        const int listHeight = list()->height();
        program_->settings.FontSize[2] = 20;
        w_->pSetViewFont();
        QVERIFY(w_->inputBox()->height() > boxHeight);
        QCOMPARE(list()->height() + w_->inputBox()->height(), listHeight + boxHeight);
    }

    void storedGeometryOffTheScreenIsFittedIntoIt() {
        put("Form", "Width", "90000");
        put("Form", "Height", "500");
        put("Form", "Left", "-900000");
        put("Form", "Top", "3000");
        start();
        const QRect area = w_->screen()->availableVirtualGeometry();
        QVERIFY(area.contains(w_->frameGeometry()));
        QVERIFY(w_->frameGeometry().height() * t() >= 3000);
    }
};

} // namespace qm

QTEST_MAIN(qm::LayoutTest)
#include "layout_gui_test.moc"
