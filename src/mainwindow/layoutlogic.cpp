#include "mainwindow/layoutlogic.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr double kMaxPixels = 16777215; // the largest size a window system takes

double finiteOr(double v, double fallback) {
    return std::isfinite(v) ? v : fallback;
}

} // namespace

int twipsToPixels(double twips, double twipsPerPixel) {
    if (!std::isfinite(twips) || !std::isfinite(twipsPerPixel) || twipsPerPixel <= 0) return 0;
    const double px = std::clamp(twips / twipsPerPixel, -kMaxPixels, kMaxPixels);
    return static_cast<int>(std::lround(px));
}

PixelRect toPixelRect(const TwipRect& r, double twipsPerPixelX, double twipsPerPixelY) {
    PixelRect p;
    p.left = twipsToPixels(r.left, twipsPerPixelX);
    p.top = twipsToPixels(r.top, twipsPerPixelY);
    p.width = std::max(twipsToPixels(r.right(), twipsPerPixelX) - p.left, 0);
    p.height = std::max(twipsToPixels(r.bottom(), twipsPerPixelY) - p.top, 0);
    return p;
}

double designListWidth() {
    const Settings defaults;
    return defaults.Width - (defaults.TreeWidth + lay::kListOffset) - lay::kListRightMargin;
}

WindowRect atLeastMinimum(const WindowRect& w) {
    WindowRect out = w;
    out.Width =
        std::isfinite(w.Width) ? std::max(w.Width, lay::kMinWindowWidth) : lay::kMinWindowWidth;
    out.Height =
        std::isfinite(w.Height) ? std::max(w.Height, lay::kMinWindowHeight) : lay::kMinWindowHeight;
    return out;
}

WindowRect initialWindowRect(const Settings& s, const TwipRect& screen) {
    const Settings defaults;
    WindowRect w{finiteOr(s.Left, defaults.Left), finiteOr(s.Top, defaults.Top),
                 finiteOr(s.Width, defaults.Width), finiteOr(s.Height, defaults.Height)};
    w = atLeastMinimum(w);
    if (!(screen.width > 0) || !(screen.height > 0)) return w;
    w.Width = std::min(w.Width, std::max(screen.width, lay::kMinWindowWidth));
    w.Height = std::min(w.Height, std::max(screen.height, lay::kMinWindowHeight));
    // Every edge inside the free area, so no part of the window is out of reach;
    // a window larger than the area keeps its top left corner inside it.
    w.Left = std::clamp(w.Left, screen.left, std::max(screen.left, screen.right() - w.Width));
    w.Top = std::clamp(w.Top, screen.top, std::max(screen.top, screen.bottom() - w.Height));
    return w;
}

WindowPixels windowPixels(const WindowRect& w, double twipsPerPixelX, double twipsPerPixelY,
                          int frameWidth, int frameHeight) {
    WindowPixels p;
    p.left = twipsToPixels(w.Left, twipsPerPixelX);
    p.top = twipsToPixels(w.Top, twipsPerPixelY);
    p.innerWidth = std::max(twipsToPixels(w.Width, twipsPerPixelX) - std::max(frameWidth, 0), 1);
    p.innerHeight = std::max(twipsToPixels(w.Height, twipsPerPixelY) - std::max(frameHeight, 0), 1);
    return p;
}

WindowRect storedWindowRect(int left, int top, int width, int height, double twipsPerPixelX,
                            double twipsPerPixelY) {
    const auto kept = [](double twips) { return static_cast<double>(static_cast<float>(twips)); };
    return {kept(left * twipsPerPixelX), kept(top * twipsPerPixelY), kept(width * twipsPerPixelX),
            kept(height * twipsPerPixelY)};
}

void FormLayout::initialLayout(const Settings& s) {
    const Settings defaults;
    started_ = false;
    splitterDragging_ = false;
    boxDragging_ = false;
    treeWidth_ = finiteOr(s.TreeWidth, defaults.TreeWidth);
    listLeft_ = treeWidth_ + lay::kListOffset;
    inputLeft_ = lay::kInputLeft;
    inputWidth_ = finiteOr(s.InputWidth, defaults.InputWidth);
    outputWidth_ = finiteOr(s.OutputWidth, defaults.OutputWidth);
}

void FormLayout::fitPanes() {
    const double widest =
        innerWidth_ - lay::kListOffset - lay::kListRightMargin - lay::kMinListWidth;
    if (treeWidth_ > widest) treeWidth_ = widest;
    if (treeWidth_ < lay::kMinPaneWidth) treeWidth_ = lay::kMinPaneWidth;
    listLeft_ = treeWidth_ + lay::kListOffset;
}

bool FormLayout::boxesFit() const {
    if (!(inputWidth_ > 0) || !(outputWidth_ > 0)) return false;
    const double listRight = listLeft_ + listWidth();
    return inputLeft_ + inputWidth_ + metrics_.arrowWidth + outputWidth_ + lay::kOutputRightInset <=
           listRight;
}

void FormLayout::recordRatios() {
    if (!(innerWidth_ > 0)) return;
    inputRatio_ = inputWidth_ / innerWidth_;
    outputRatio_ = outputWidth_ / innerWidth_;
}

void FormLayout::storeWindow(const WindowRect& window, Settings& s) {
    lastWindow_ = window;
    // With the option off the stored geometry stays as it was last saved.
    if (s.SaveWindowSize != 1) return;
    s.Left = static_cast<float>(window.Left);
    s.Top = static_cast<float>(window.Top);
    s.Width = static_cast<float>(window.Width);
    s.Height = static_cast<float>(window.Height);
}

void FormLayout::start(double innerWidth, double innerHeight, const WindowRect& window,
                       Settings& s) {
    innerWidth_ = innerWidth;
    innerHeight_ = innerHeight;
    fitPanes();
    if (!boxesFit()) mAlignTextBoxes();
    // The widths in use are the ones to keep (the same as read unless mended).
    s.TreeWidth = static_cast<float>(treeWidth_);
    s.InputWidth = static_cast<float>(inputWidth_);
    s.OutputWidth = static_cast<float>(outputWidth_);
    recordRatios();
    lastWindow_ = window;
    started_ = true;
}

ResizeResult FormLayout::formResize(double innerWidth, double innerHeight, const WindowRect& window,
                                    bool minimised, Settings& s) {
    if (!started_) return ResizeResult::NotStarted;
    if (minimised) {
        if (s.SaveWindowSize == 1) {
            s.Left = static_cast<float>(lastWindow_.Left);
            s.Top = static_cast<float>(lastWindow_.Top);
            s.Width = static_cast<float>(lastWindow_.Width);
            s.Height = static_cast<float>(lastWindow_.Height);
        }
        return ResizeResult::Minimised;
    }
    const double dW = innerWidth - innerWidth_;
    if (dW < 0 && listWidth() + dW < lay::kMinListWidth) return ResizeResult::Undone;

    innerWidth_ = innerWidth;
    innerHeight_ = innerHeight;
    if (innerWidth_ > 0) {
        if (inputRatio_ < lay::kMinBoxWidth / innerWidth_) inputRatio_ = s.InputWidth / innerWidth_;
        if (outputRatio_ < lay::kMinBoxWidth / innerWidth_)
            outputRatio_ = s.OutputWidth / innerWidth_;
        inputWidth_ = inputRatio_ * innerWidth_;
        outputWidth_ = outputRatio_ * innerWidth_;
    }
    const bool bothNarrow = inputWidth_ < lay::kRealignBelow && outputWidth_ < lay::kRealignBelow;
    if (bothNarrow || !boxesFit()) mAlignTextBoxes();
    recordRatios();
    storeWindow(window, s);
    return ResizeResult::Applied;
}

void FormLayout::mAlignTextBoxes() {
    const double listRight = listLeft_ + listWidth();
    const double room = listRight - lay::kOutputRightInset - lay::kInputLeftAligned -
                        metrics_.arrowWidth - 2 * lay::kArrowMargin;
    const double width = std::max(std::floor(std::round(room) / 2), 0.0);
    inputLeft_ = lay::kInputLeftAligned;
    inputWidth_ = width;
    outputWidth_ = width;
}

void FormLayout::splitterDown(double x) {
    splitterDragging_ = true;
    splitterStartX_ = x;
    splitterStartTree_ = treeWidth_;
    splitterStartListLeft_ = listLeft_;
    splitterStartList_ = listWidth();
}

bool FormLayout::splitterMove(double x, Settings& s) {
    if (!splitterDragging_) return false;
    const double d = x - splitterStartX_;
    const double tree = splitterStartTree_ + d;
    const double list = splitterStartList_ - d;
    if (!(tree >= lay::kMinPaneWidth) || !(list >= lay::kMinPaneWidth)) return false;
    treeWidth_ = tree;
    listLeft_ = splitterStartListLeft_ + d;
    s.TreeWidth = static_cast<float>(tree);
    return true;
}

void FormLayout::boxDragDown(double screenX) {
    boxDragging_ = true;
    boxStartX_ = screenX;
    boxStartInput_ = inputWidth_;
    boxStartOutput_ = outputWidth_;
}

bool FormLayout::boxDragMove(double screenX, double twipsPerPixelX, Settings& s) {
    if (!boxDragging_) return false;
    const double d = (screenX - boxStartX_) * twipsPerPixelX;
    const double in = boxStartInput_ + d;
    const double out = boxStartOutput_ - d;
    if (!(in >= lay::kMinBoxWidth) || !(out >= lay::kMinBoxWidth)) return false;
    inputWidth_ = in;
    inputLeft_ = lay::kInputLeft;
    outputWidth_ = out;
    recordRatios();
    s.InputWidth = static_cast<float>(in);
    s.OutputWidth = static_cast<float>(out);
    return true;
}

ControlRects FormLayout::rects() const {
    const LayoutMetrics& m = metrics_;
    ControlRects r;
    const double paneHeight = std::max(
        innerHeight_ - lay::kPaneTop - lay::kBoxGap - m.boxHeight - lay::kBottomMargin, 0.0);
    r.tree = {lay::kTreeLeft, lay::kPaneTop, treeWidth_, paneHeight};
    r.list = {listLeft_, lay::kPaneTop, std::max(listWidth(), 0.0), paneHeight};
    r.splitter = {lay::kTreeLeft + treeWidth_ - lay::kSplitterInset, lay::kPaneTop,
                  lay::kSplitterWidth, paneHeight};
    const double boxTop = lay::kPaneTop + paneHeight + lay::kBoxGap;
    r.input = {inputLeft_, boxTop, inputWidth_, m.boxHeight};
    r.output = {r.list.right() - outputWidth_ - lay::kOutputRightInset, boxTop, outputWidth_,
                m.boxHeight};
    const double gapMiddle = (r.input.right() + r.output.left) / 2;
    r.arrow = {gapMiddle - m.arrowWidth / 2, boxTop + (m.boxHeight - m.arrowHeight) / 2,
               m.arrowWidth, m.arrowHeight};
    return r;
}

} // namespace qm
