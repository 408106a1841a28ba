// The main window's layout worked out in twips: where the tree, the list, the
// splitter, the two conversion boxes and the arrow go, and how resizing the
// window, dragging the splitter and dragging the arrow change them. The window
// only measures its controls, converts to pixels and moves the widgets.
#pragma once

#include "settings/settings.h"

namespace qm {

// Fixed lengths of the layout, in twips.
namespace lay {
inline constexpr double kMinWindowWidth = 4500;
inline constexpr double kMinWindowHeight = 3000;
inline constexpr double kTreeLeft = 75;
inline constexpr double kListOffset = 120; // list left = tree width + 120
inline constexpr double kListRightMargin = 75;
inline constexpr double kMinPaneWidth = 300; // tree and list while dragging the splitter
inline constexpr double kMinListWidth = 300; // list while the window is resized
inline constexpr double kMinBoxWidth = 600;  // each box while dragging the arrow
inline constexpr double kRealignBelow = 610; // both boxes narrower: realign them
inline constexpr double kSplitterWidth = 105;
inline constexpr double kSplitterInset = 30; // splitter starts 30 inside the tree's right edge
inline constexpr double kInputLeft = 90;
inline constexpr double kInputLeftAligned = 75; // after a realignment
inline constexpr double kOutputRightInset = 15; // output ends 15 inside the list's right edge
// Vertical placement (ours): panes below the top margin, the boxes under them.
inline constexpr double kPaneTop = 60;
inline constexpr double kBoxGap = 90; // list bottom to box top
inline constexpr double kBottomMargin = 75;
inline constexpr double kArrowMargin = 60; // free room each side of the arrow after a realignment
// Pixel sizes of the images.
inline constexpr int kArrowPixelsWide = 32;
inline constexpr int kArrowPixelsHigh = 17;
} // namespace lay

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The nearest whole pixel of a length in twips (halves away from zero); 0 for
// a length or factor that is not a finite positive number.
int twipsToPixels(double twips, double twipsPerPixel);
// Rounds the edges, not the sizes, so that controls that meet in twips meet in
// pixels; a negative width or height becomes 0.
PixelRect toPixelRect(const TwipRect& r, double twipsPerPixelX, double twipsPerPixelY);

// The outer window: Left, Top, Width, Height in twips.
struct WindowRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool operator==(const WindowRect&) const = default;
};

// The unit list's width in the window as designed (the default geometry), the
// width the list has before the stored layout is applied at start-up.
double designListWidth();

// The window's size raised to the minimum size.
WindowRect atLeastMinimum(const WindowRect& w);

// Where the window opens: the stored geometry, at least the minimum size and
// at most the screen's free area, moved as little as needed to lie wholly
// inside that area; values that are not numbers give the defaults.
WindowRect initialWindowRect(const Settings& s, const TwipRect& screen);

// A window in pixels: where its frame goes and the size inside the frame.
struct WindowPixels {
    int left = 0;
    int top = 0;
    int innerWidth = 1;
    int innerHeight = 1;
    bool operator==(const WindowPixels&) const = default;
};

// The pixels of an outer window in twips whose frame adds frameWidth and
// frameHeight pixels; a frame not measured yet (negative) adds nothing.
WindowPixels windowPixels(const WindowRect& w, double twipsPerPixelX, double twipsPerPixelY,
                          int frameWidth, int frameHeight);

// The outer window of a frame in pixels as the settings keep it (twips held
// as float), so that windowPixels of it gives the same pixels back.
WindowRect storedWindowRect(int left, int top, int width, int height, double twipsPerPixelX,
                            double twipsPerPixelY);

// The controls' own heights and the arrow's size, measured by the window.
struct LayoutMetrics {
    double boxHeight = 300;
    double arrowWidth = 480;
    double arrowHeight = 255;
};

struct ControlRects {
    TwipRect tree;
    TwipRect list;
    TwipRect splitter;
    TwipRect input;
    TwipRect output;
    TwipRect arrow;
};

enum class ResizeResult {
    NotStarted, // start-up has not yet recorded the window's size: nothing done
    Minimised,  // the window was minimised: nothing laid out
    Undone,     // the list would be too narrow: restore lastWindow().Width
    Applied,
};

class FormLayout {
  public:
    void setMetrics(const LayoutMetrics& m) { metrics_ = m; }
    const LayoutMetrics& metrics() const { return metrics_; }

    // Takes the tree and box widths from the settings (start-up, before the
    // window has its size).
    void initialLayout(const Settings& s);
    // The window has its saved size: records it as the last size and works
    // out the list width and the box proportions. A stored tree width that
    // leaves either pane narrower than its minimum, or boxes that do not fit
    // beside the arrow, are brought into the window.
    void start(double innerWidth, double innerHeight, const WindowRect& window, Settings& s);
    bool started() const { return started_; }

    // The window got a new size (inner size and outer geometry in twips).
    ResizeResult formResize(double innerWidth, double innerHeight, const WindowRect& window,
                            bool minimised, Settings& s);
    // Gives both boxes the same width, the input box at the aligned left edge.
    void mAlignTextBoxes();

    // The splitter between tree and list; x in twips on any fixed axis.
    void splitterDown(double x);
    bool splitterMove(double x, Settings& s); // false: ignored (not dragging, or a minimum broken)
    void splitterUp() { splitterDragging_ = false; }
    bool splitterDragging() const { return splitterDragging_; }

    // Box widths dragged with the arrow or the window background; x is the
    // cursor's screen x in pixels.
    void boxDragDown(double screenX);
    bool boxDragMove(double screenX, double twipsPerPixelX, Settings& s);
    void boxDragUp() { boxDragging_ = false; }
    bool boxDragging() const { return boxDragging_; }

    ControlRects rects() const;

    double innerWidth() const { return innerWidth_; }
    double innerHeight() const { return innerHeight_; }
    double treeWidth() const { return treeWidth_; }
    double listLeft() const { return listLeft_; }
    double listWidth() const { return innerWidth_ - listLeft_ - lay::kListRightMargin; }
    double inputLeft() const { return inputLeft_; }
    double inputWidth() const { return inputWidth_; }
    double outputWidth() const { return outputWidth_; }
    double inputRatio() const { return inputRatio_; }
    double outputRatio() const { return outputRatio_; }
    const WindowRect& lastWindow() const { return lastWindow_; }

  private:
    void recordRatios();
    void fitPanes();
    bool boxesFit() const;
    void storeWindow(const WindowRect& window, Settings& s);

    LayoutMetrics metrics_;
    bool started_ = false;
    double innerWidth_ = 0;
    double innerHeight_ = 0;
    double treeWidth_ = 2760;
    double listLeft_ = 2880;
    double inputLeft_ = lay::kInputLeft;
    double inputWidth_ = 2039;
    double outputWidth_ = 2039;
    double inputRatio_ = 0;
    double outputRatio_ = 0;
    WindowRect lastWindow_;

    bool splitterDragging_ = false;
    double splitterStartX_ = 0;
    double splitterStartTree_ = 0;
    double splitterStartListLeft_ = 0;
    double splitterStartList_ = 0;

    bool boxDragging_ = false;
    double boxStartX_ = 0;
    double boxStartInput_ = 0;
    double boxStartOutput_ = 0;
};

} // namespace qm
