// The main window's layout on the real widgets: the stored geometry at start,
// the minimum size, the splitter and the arrow with their minimums, a resize
// that would squeeze the list, minimising, and what closing stores.
#include "windowfixture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStatusBar>

#include <cmath>

namespace qm {

class LayoutTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    QPoint press_; // global position of the last press

    static double stored(const char* section, const char* key) {
        return std::stod(WindowFixture::stored(section, key, "nan"));
    }

    // Twips per pixel and the pixel of a length in twips, as the window converts.
    double t() const { return program_->twipsPerPixelX; }
    int px(double twips) const { return static_cast<int>(std::lround(twips / t())); }
    double innerWidth() const { return w_->centralWidget()->width() * t(); }
    QWidget* tree() const { return w_->treeView(); }
    QWidget* list() const { return w_->findChild<QStackedWidget*>(QStringLiteral("ListView1")); }
    QWidget* input() const { return w_->inputBox(); }
    QWidget* output() const { return w_->outputBox(); }
    QLabel* arrow() const { return w_->arrowImage(); }

    void mouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint global) {
        const QPoint local = target->mapFromGlobal(global);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(local), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    void pressAt(QWidget* target, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
        press_ = target->mapToGlobal(local);
        mouse(target, QEvent::MouseButtonPress, button, press_);
    }
    void moveBy(QWidget* target, int dx, Qt::MouseButton button = Qt::LeftButton) {
        mouse(target, QEvent::MouseMove, button, press_ + QPoint(dx, 0));
    }
    void releaseAt(QWidget* target, int dx, Qt::MouseButton button = Qt::LeftButton) {
        mouse(target, QEvent::MouseButtonRelease, button, press_ + QPoint(dx, 0));
    }
    // The splitter's handle: the gap between tree and list.
    QPoint splitterGap() const {
        QWidget* s = w_->splitterImage();
        return s->mapFromParent(
            QPoint(tree()->geometry().right() + 2, tree()->geometry().center().y()));
    }
    void resizeWindow(int width, int height) {
        w_->resize(width, height);
        QCoreApplication::processEvents();
    }
    // Every control lies inside the form, the boxes below the panes, the arrow between the boxes.
    void checkNothingClipped() {
        const QRect form = w_->centralWidget()->rect();
        for (QWidget* c : {tree(), list(), input(), output(), static_cast<QWidget*>(arrow())})
            QVERIFY2(form.contains(c->geometry()), qPrintable(c->objectName()));
        QVERIFY(input()->geometry().top() > list()->geometry().bottom());
        QVERIFY(tree()->geometry().right() < list()->geometry().left());
        QVERIFY(arrow()->geometry().left() > input()->geometry().right());
        QVERIFY(arrow()->geometry().right() < output()->geometry().left());
        QVERIFY(std::abs(arrow()->geometry().center().y() - input()->geometry().center().y()) <= 1);
    }

  private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void initialLayoutFollowsTheStoredSettings() {
        put("Form", "Left", "600");
        put("Form", "Top", "900");
        put("Form", "Width", "7500");
        put("Form", "Height", "6000");
        put("Form", "TreeWidth", "2400");
        put("Form", "InputWidth", "1800");
        put("Form", "OutputWidth", "2400");
        start();
        const QRect frame = w_->frameGeometry();
        QCOMPARE(frame.topLeft(), QPoint(px(600), px(900)));
        QCOMPARE(frame.size(), QSize(px(7500), px(6000)));
        const double inner = innerWidth();
        // Tree 75 from the left, list from 2400 + 120 to 75 before the right edge.
        QCOMPARE(tree()->x(), px(75));
        QCOMPARE(tree()->width(), px(75 + 2400) - px(75));
        QCOMPARE(list()->x(), px(2520));
        QCOMPARE(list()->x() + list()->width(), px(inner - 75));
        QCOMPARE(list()->y(), tree()->y());
        QCOMPARE(list()->height(), tree()->height());
        // Input box at 90, output box ending 15 inside the list.
        QCOMPARE(input()->x(), px(90));
        QCOMPARE(input()->width(), px(90 + 1800) - px(90));
        QCOMPARE(output()->x() + output()->width(), px(inner - 90));
        QCOMPARE(output()->width(), px(inner - 90) - px(inner - 90 - 2400));
        QCOMPARE(arrow()->size(), QSize(32, 17));
        checkNothingClipped();
        // The boxes and the status bar do not overlap: the form ends above the status bar.
        QVERIFY(w_->centralWidget()->geometry().bottom() < w_->statusBar()->geometry().top());
    }

    void windowNeverShrinksBelowTheMinimumSize() {
        start();
        const int minWidth = static_cast<int>(std::ceil(4500 / t()));
        const int minHeight = static_cast<int>(std::ceil(3000 / t()));
        const int frameWidth = w_->frameGeometry().width() - w_->width();
        QCOMPARE(w_->minimumWidth() + frameWidth, minWidth);
        resizeWindow(50, 50);
        QTRY_COMPARE(w_->frameGeometry().width(), minWidth);
        QTRY_VERIFY(w_->frameGeometry().height() >= minHeight);
        QVERIFY(w_->frameGeometry().width() * t() >= 4500);
        QVERIFY(w_->frameGeometry().height() * t() >= 3000);
        QVERIFY(w_->formLayout().listWidth() >= 300);
        // The default tree of 2760 leaves the list 4500 - 2760 - 195 = 1545 wide.
        QCOMPARE(list()->width(), px(innerWidth() - 75) - px(2880));
        checkNothingClipped();
    }

    void splitterMovesTheEdgeAndIgnoresAMovePastTheList() {
        start();
        QWidget* handle = w_->splitterImage();
        QVERIFY(handle);
        QCOMPARE(handle->cursor().shape(), Qt::SplitHCursor);
        // The gap between tree and list is the splitter: nothing else takes the press there.
        const QPoint gap(tree()->geometry().right() + 2, tree()->geometry().center().y());
        QCOMPARE(w_->centralWidget()->childAt(gap), handle);

        const int treeWidth = tree()->width();
        const int k = 60; // pixels to the left: the tree becomes 2760 - 60 t twips
        pressAt(handle, splitterGap());
        moveBy(handle, -k);
        QCOMPARE(w_->formLayout().treeWidth(), 2760 - k * t());
        QCOMPARE(tree()->width(), px(75 + 2760 - k * t()) - px(75));
        QCOMPARE(list()->x(), px(2760 - k * t() + 120));
        QCOMPARE(list()->x() + list()->width(), px(innerWidth() - 75));
        // To the right the list keeps at least 300 twips.
        const double listStart = innerWidth() - 2880 - 75;
        const int toListMinimum = static_cast<int>(std::floor((listStart - 300) / t()));
        moveBy(handle, toListMinimum + 1);
        // A move past the list's minimum is ignored.
        QCOMPARE(w_->formLayout().treeWidth(), 2760 - k * t());
        moveBy(handle, toListMinimum);
        QVERIFY(w_->formLayout().listWidth() >= 300 && w_->formLayout().listWidth() - t() < 300);
        releaseAt(handle, toListMinimum);
        QVERIFY(!w_->formLayout().splitterDragging());
        QCOMPARE(program_->settings.TreeWidth, static_cast<float>(2760 + toListMinimum * t()));
        QVERIFY(tree()->width() > treeWidth);
        // The splitter follows the tree's right edge again, 30 twips inside it.
        QCOMPARE(handle->x(), px(75 + 2760 + toListMinimum * t() - 30));
        checkNothingClipped();
    }

    void arrowDragChangesTheBoxWidths() {
        start();
        const int outputRight = output()->x() + output()->width();
        pressAt(arrow(), QPoint(16, 8));
        QCOMPARE(arrow()->cursor().shape(), Qt::SizeHorCursor);
        moveBy(arrow(), 20);
        QCOMPARE(w_->formLayout().inputWidth(), 2039 + 20 * t());
        QCOMPARE(w_->formLayout().outputWidth(), 2039 - 20 * t());
        QCOMPARE(input()->width(), px(90 + 2039 + 20 * t()) - px(90));
        QCOMPARE(output()->x() + output()->width(), outputRight); // the output keeps its right edge
        releaseAt(arrow(), 20);
        QVERIFY(!arrow()->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(program_->settings.InputWidth, static_cast<float>(2039 + 20 * t()));
        QCOMPARE(program_->settings.OutputWidth, static_cast<float>(2039 - 20 * t()));
        // Moving without the button held changes nothing.
        moveBy(arrow(), 30);
        QCOMPARE(w_->formLayout().inputWidth(), 2039 + 20 * t());
        checkNothingClipped();
    }

    void rightButtonOnTheArrowDoesNotDrag() {
        start();
        pressAt(arrow(), QPoint(16, 8), Qt::RightButton);
        moveBy(arrow(), 20, Qt::RightButton);
        releaseAt(arrow(), 20, Qt::RightButton);
        QCOMPARE(w_->formLayout().inputWidth(), 2039.0);
        QVERIFY(!arrow()->testAttribute(Qt::WA_SetCursor));
    }

    void windowBackgroundDragsTheBoxesToo() {
        start();
        QWidget* form = w_->centralWidget();
        const QPoint empty(2, 2); // above the tree, left of everything
        QCOMPARE(form->childAt(empty), nullptr);
        pressAt(form, empty);
        QCOMPARE(form->cursor().shape(), Qt::SizeHorCursor);
        moveBy(form, -10);
        QCOMPARE(w_->formLayout().inputWidth(), 2039 - 10 * t());
        QCOMPARE(w_->formLayout().outputWidth(), 2039 + 10 * t());
        releaseAt(form, -10);
        QVERIFY(!form->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(program_->settings.InputWidth, static_cast<float>(2039 - 10 * t()));
    }

    void resizeThatMakesTheListTooNarrowIsUndone() {
        start();
        QWidget* handle = w_->splitterImage();
        const double listStart = innerWidth() - 2880 - 75;
        const int k = static_cast<int>(std::floor((listStart - 400) / t()));
        pressAt(handle, splitterGap());
        moveBy(handle, k);
        releaseAt(handle, k);
        const double listWidth = w_->formLayout().listWidth();
        QVERIFY(listWidth >= 400 && listWidth < 400 + t());
        const QSize before = w_->size();
        // One pixel more than the list can give: it would be under 300 twips, so back to the old
        // width.
        resizeWindow(before.width() - static_cast<int>(std::ceil((listWidth - 300) / t())) - 1,
                     before.height() + 20);
        QTRY_COMPARE(w_->width(), before.width());
        QCOMPARE(w_->formLayout().listWidth(), listWidth);
        QVERIFY(w_->formLayout().listWidth() >= 300);
        // A smaller step that keeps 300 is taken.
        const int allowed = static_cast<int>(std::floor((listWidth - 300) / t()));
        resizeWindow(before.width() - allowed, before.height());
        QCOMPARE(w_->width(), before.width() - allowed);
        QCOMPARE(w_->formLayout().listWidth(), listWidth - allowed * t());
        checkNothingClipped();
    }

    void wideningKeepsTheBoxesInProportion() {
        start();
        const double inner = innerWidth();
        resizeWindow(w_->width() + 150, w_->height() + 60);
        const double wider = innerWidth();
        QCOMPARE(wider, inner + 150 * t());
        QCOMPARE(w_->formLayout().inputWidth(), 2039 * wider / inner);
        QCOMPARE(w_->formLayout().outputWidth(), 2039 * wider / inner);
        QCOMPARE(input()->width(), px(90 + 2039 * wider / inner) - px(90));
        QCOMPARE(list()->x() + list()->width(), px(wider - 75));
        QCOMPARE(tree()->width(), px(75 + 2760) - px(75));
        QCOMPARE(list()->height(), tree()->height());
        QCOMPARE(program_->settings.Width, static_cast<float>(w_->frameGeometry().width() * t()));
        checkNothingClipped();
    }

    void minimisedWindowCapturesNothing() {
        start();
        resizeWindow(w_->width() + 30, w_->height() + 15);
        const double width = w_->frameGeometry().width() * t();
        w_->detailsView()->setColumnWidth(0, 150);
        w_->move(w_->x() + 40, w_->y() + 20); // a move alone is caught only by the capture
        QWidget findWindow;
        findWindow.setObjectName(QStringLiteral("frmFind"));
        findWindow.show();
        QWidget otherWindow;
        otherWindow.setObjectName(QStringLiteral("frmMemo"));
        otherWindow.show();
        w_->showMinimized();
        QTRY_VERIFY(w_->isMinimized());
        QVERIFY(!findWindow.isVisible());
        QVERIFY(otherWindow.isVisible());
        closeWindow();
        QCOMPARE(stored("Form", "Width"), width);
        QCOMPARE(stored("Form", "Left"), 450.0);
        QCOMPARE(stored("Form", "Top"), 1020.0);
        QCOMPARE(stored("Form", "HeaderWidth00"), 1650.0);
    }

    void captureReportsWhatTheWindowShows() {
        start();
        QWidget* handle = w_->splitterImage();
        pressAt(handle, splitterGap());
        moveBy(handle, -40);
        releaseAt(handle, -40);
        pressAt(arrow(), QPoint(16, 8));
        moveBy(arrow(), 25);
        releaseAt(arrow(), 25);
        resizeWindow(w_->width() + 45, w_->height() + 30);
        w_->detailsView()->setColumnWidth(0, 150);
        w_->detailsView()->setColumnWidth(1, 90);
        w_->move(w_->x() + 40, w_->y() + 20);
        QCoreApplication::processEvents();
        const QRect frame = w_->frameGeometry();
        const int treePx = tree()->width();
        const int inputPx = input()->width();
        const int outputPx = output()->width();
        closeWindow();
        QCOMPARE(stored("Form", "Left"), frame.x() * t());
        QCOMPARE(stored("Form", "Top"), frame.y() * t());
        QCOMPARE(stored("Form", "Width"), frame.width() * t());
        QCOMPARE(stored("Form", "Height"), frame.height() * t());
        QCOMPARE(stored("Form", "HeaderWidth00"), 150 * t());
        QCOMPARE(stored("Form", "HeaderWidth01"), 90 * t());
        // Widths in twips: within half a pixel of what the widgets show.
        QVERIFY(std::abs(stored("Form", "TreeWidth") - treePx * t()) <= t() / 2 + 1e-6);
        QVERIFY(std::abs(stored("Form", "InputWidth") - inputPx * t()) <= t() / 2 + 1e-6);
        QVERIFY(std::abs(stored("Form", "OutputWidth") - outputPx * t()) <= t() / 2 + 1e-6);
        QCOMPARE(stored("Form", "TreeWidth"), 2760 - 40 * t());
        // The next start shows the same layout.
        start();
        QCOMPARE(w_->frameGeometry(), frame);
        QCOMPARE(tree()->width(), treePx);
        QCOMPARE(input()->width(), inputPx);
    }

    void windowSizeIsKeptOnlyWhenAskedTo() {
        put("Option", "SaveWindowSize", "0");
        put("Form", "Width", "7500");
        start();
        resizeWindow(w_->width() + 40, w_->height());
        QCOMPARE(program_->settings.Width, 7500.0f);
        closeWindow();
        QCOMPARE(stored("Form", "Width"), 7500.0);
        QCOMPARE(stored("Form", "Left"), 450.0);
    }

    void arrowTooltipFollowsTheChosenUnits() {
        start();
        mouse(arrow(), QEvent::MouseMove, Qt::NoButton, arrow()->mapToGlobal(QPoint(5, 5)));
        QCOMPARE(arrow()->toolTip(),
                 QStringLiteral("Click and drag this arrow to change the box widths."));
        clickRow(0, Qt::LeftButton);
        clickRow(1, Qt::RightButton);
        QVERIFY(w_->bothUnitsChosen());
        mouse(arrow(), QEvent::MouseMove, Qt::NoButton, arrow()->mapToGlobal(QPoint(6, 5)));
        QCOMPARE(arrow()->toolTip(), QStringLiteral("Right-click here to swap the units."));
    }

    void aLargerBoxFontMakesRoomForTheBoxes() {
        start();
        const int boxHeight = input()->height();
        const int listHeight = list()->height();
        program_->settings.FontSize[2] = 20;
        w_->pSetViewFont();
        QVERIFY(input()->height() > boxHeight);
        QCOMPARE(output()->height(), input()->height());
        // The panes give up what the boxes gained; the boxes keep their distance from the bottom.
        QCOMPARE(list()->height() + input()->height(), listHeight + boxHeight);
        checkNothingClipped();
    }

    void oddStoredSizesStillGiveAUsableWindow() {
        put("Form", "Width", "1000");
        put("Form", "Height", "500");
        put("Form", "TreeWidth", "90000");
        put("Form", "InputWidth", "-40");
        put("Form", "Left", "-900000");
        start();
        QVERIFY(w_->frameGeometry().width() * t() >= 4500);
        QVERIFY(w_->frameGeometry().height() * t() >= 3000);
        QVERIFY(w_->formLayout().listWidth() >= 300);
        QVERIFY(w_->formLayout().treeWidth() >= 300);
        QVERIFY(w_->screen()->availableVirtualGeometry().intersects(w_->frameGeometry()));
        checkNothingClipped();
    }
};

} // namespace qm

QTEST_MAIN(qm::LayoutTest)
#include "layout_gui_test.moc"
