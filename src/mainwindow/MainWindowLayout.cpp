// Layout of the main window: the panes and boxes placed from the layout worked
// out in twips, the reaction to resizing and minimising, the splitter between
// tree and list, and the box widths dragged with the arrow or the background.
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTableView>
#include <QTreeWidget>

#include <cmath>

namespace qm {

namespace {

// The smallest pixel count that covers a length in twips.
int pixelsCovering(double twips, double twipsPerPixel) {
    return static_cast<int>(std::ceil(twips / twipsPerPixel - 1e-9));
}

} // namespace

void MainWindow::buildLayoutControls() {
    QWidget* form = centralWidget();
    form->setObjectName(QStringLiteral("frmMain"));
    // The splitter lies under the tree and the list; the gap between them is its handle.
    imgSplitter = new QWidget(form);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setCursor(Qt::SplitHCursor);
    imgSplitter->lower();
    imgSplitter->installEventFilter(this);
    form->installEventFilter(this);
    imgPoint->setFixedSize(lay::kArrowPixelsWide, lay::kArrowPixelsHigh);
}

WindowRect MainWindow::windowRectTwips() const {
    const QRect frame = frameGeometry();
    return storedWindowRect(frame.x(), frame.y(), frame.width(), frame.height(),
                            program_.twipsPerPixelX, program_.twipsPerPixelY);
}

void MainWindow::applyInitialLayout() {
    const Settings& s = program_.settings;
    const double tx = program_.twipsPerPixelX;
    const double ty = program_.twipsPerPixelY;
    layout_.initialLayout(s);
    TwipRect screenArea;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect a = screen->availableVirtualGeometry();
        screenArea = {a.x() * tx, a.y() * ty, a.width() * tx, a.height() * ty};
    }
    const WindowPixels w = windowPixels(initialWindowRect(s, screenArea), tx, ty,
                                        frameExtra_.width(), frameExtra_.height());
    move(w.left, w.top);
    resize(w.innerWidth, w.innerHeight);
}

void MainWindow::startLayout() {
    const double tx = program_.twipsPerPixelX;
    const double ty = program_.twipsPerPixelY;
    setMinimumSize(std::max(pixelsCovering(lay::kMinWindowWidth, tx) - frameExtra_.width(), 1),
                   std::max(pixelsCovering(lay::kMinWindowHeight, ty) - frameExtra_.height(), 1));
    const QWidget* form = centralWidget();
    measureControls();
    layout_.start(form->width() * tx, form->height() * ty, windowRectTwips(), program_.settings);
    placeControls();
}

void MainWindow::measureControls() {
    const double tx = program_.twipsPerPixelX;
    const double ty = program_.twipsPerPixelY;
    LayoutMetrics m;
    m.boxHeight = std::max(txtInput->sizeHint().height(), txtOutput->sizeHint().height()) * ty;
    m.arrowWidth = imgPoint->width() * tx;
    m.arrowHeight = imgPoint->height() * ty;
    layout_.setMetrics(m);
}

void MainWindow::placeControls() {
    const double tx = program_.twipsPerPixelX;
    const double ty = program_.twipsPerPixelY;
    measureControls();
    const ControlRects r = layout_.rects();
    const auto place = [&](QWidget* w, const TwipRect& t) {
        const PixelRect p = toPixelRect(t, tx, ty);
        w->setGeometry(p.left, p.top, p.width, p.height);
    };
    place(TreeView1, r.tree);
    place(ListView1, r.list);
    place(imgSplitter, r.splitter);
    place(txtInput, r.input);
    place(txtOutput, r.output);
    imgPoint->move(twipsToPixels(r.arrow.left, tx), twipsToPixels(r.arrow.top, ty));
    imgSplitter->lower();
}

void MainWindow::restoreWindowSize(int width, int height) {
    // Queued: the size is being handed out to the window's parts right now.
    QMetaObject::invokeMethod(
        this, [this, width, height] { resize(width, height); }, Qt::QueuedConnection);
}

void MainWindow::formResize() {
    if (!layout_.started()) return;
    Settings& s = program_.settings;
    guarded([&] {
        progress_.set("FMFR01");
        const QWidget* form = centralWidget();
        const double tx = program_.twipsPerPixelX;
        const double ty = program_.twipsPerPixelY;
        if (isMinimized()) {
            progress_.set("FMFR02");
            if (layout_.formResize(form->width() * tx, form->height() * ty, windowRectTwips(), true,
                                   s) == ResizeResult::Minimised &&
                s.SaveWindowSize == 1)
                closeToolWindows();
            return;
        }
        progress_.set("FMFR03");
        const int minWidth = pixelsCovering(lay::kMinWindowWidth, tx) - frameExtra_.width();
        const int minHeight = pixelsCovering(lay::kMinWindowHeight, ty) - frameExtra_.height();
        if (width() < minWidth || height() < minHeight) {
            restoreWindowSize(std::max(width(), minWidth), std::max(height(), minHeight));
            return;
        }
        progress_.set("FMFR04");
        const ResizeResult r = layout_.formResize(form->width() * tx, form->height() * ty,
                                                  windowRectTwips(), false, s);
        if (r == ResizeResult::Undone) {
            restoreWindowSize(twipsToPixels(layout_.lastWindow().Width, tx) - frameExtra_.width(),
                              height());
            return;
        }
        progress_.set("FMFR06");
        if (r == ResizeResult::Applied) placeControls();
        progress_.set("FMFR12");
    });
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) formResize();
}

void MainWindow::closeToolWindows() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible()) continue;
        if (w->objectName() == QLatin1String("frmOptions") ||
            w->objectName() == QLatin1String("frmFind"))
            w->close();
    }
}

void MainWindow::startBoxDrag(QWidget* handle, const QMouseEvent* e) {
    boxDragHandle_ = handle;
    layout_.boxDragDown(e->globalPosition().x());
    handle->setCursor(Qt::SizeHorCursor);
}

bool MainWindow::layoutEvent(QObject* watched, QEvent* event) {
    QWidget* form = centralWidget();
    if (!form || (watched != form && watched != imgPoint && watched != imgSplitter)) return false;
    const QEvent::Type type = event->type();
    if (watched == form && type == QEvent::Resize) {
        formResize();
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    const auto* e = static_cast<QMouseEvent*>(event);
    const double x = e->globalPosition().x();
    Settings& s = program_.settings;

    if (watched == imgSplitter) {
        if (type == QEvent::MouseButtonPress && e->button() == Qt::LeftButton) {
            layout_.splitterDown(x * program_.twipsPerPixelX);
        } else if (type == QEvent::MouseMove && layout_.splitterDragging()) {
            if (layout_.splitterMove(x * program_.twipsPerPixelX, s)) placeControls();
        } else if (type == QEvent::MouseButtonRelease && e->button() == Qt::LeftButton) {
            layout_.splitterUp();
            placeControls();
        }
        return true;
    }

    // The arrow and the window background both drag the box widths; the
    // arrow's right button belongs to the swap menu.
    auto* handle = static_cast<QWidget*>(watched);
    if (type == QEvent::MouseButtonPress) {
        if (e->button() != Qt::LeftButton) return false;
        startBoxDrag(handle, e);
        return true;
    }
    if (type == QEvent::MouseMove) {
        if (!layout_.boxDragging() || boxDragHandle_ != handle) return false;
        if (layout_.boxDragMove(x, program_.twipsPerPixelX, s)) placeControls();
        return watched == form;
    }
    if (e->button() != Qt::LeftButton || !layout_.boxDragging() || boxDragHandle_ != handle)
        return false;
    layout_.boxDragUp();
    handle->unsetCursor();
    boxDragHandle_ = nullptr;
    return true;
}

WindowCapture MainWindow::captureWindow() const {
    WindowCapture c;
    c.minimised = isMinimized();
    const WindowRect r = windowRectTwips();
    c.Left = static_cast<float>(r.Left);
    c.Top = static_cast<float>(r.Top);
    c.Width = static_cast<float>(r.Width);
    c.Height = static_cast<float>(r.Height);
    c.TreeWidth = static_cast<float>(layout_.treeWidth());
    c.InputWidth = static_cast<float>(layout_.inputWidth());
    c.OutputWidth = static_cast<float>(layout_.outputWidth());
    for (int i = 0; i < kHeaderColumnCount; ++i)
        c.columnWidth[static_cast<std::size_t>(i)] = toTwipsX(listDetails_->columnWidth(i));
    c.pnHeaderIndex = program_.sel.pnHeaderIndex;
    return c;
}

} // namespace qm
