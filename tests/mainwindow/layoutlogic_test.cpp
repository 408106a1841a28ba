#include "mainwindow/layoutlogic.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

namespace qm {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

auto tie(const TwipRect& r) {
    return std::tuple(r.left, r.top, r.width, r.height);
}

TEST(LayoutPixels, TwipsToPixelsRoundsToTheNearestPixel) {
    // clang-format off
    const std::tuple<double, double, int> cases[] = { // twips, twips per pixel, pixels
        {7095, 15, 473}, {7, 15, 0}, {8, 15, 1}, {7.5, 15, 1}, {-7.5, 15, -1}, {2039, 10, 204},
        {4500, 10, 450}, {0, 15, 0}, {kNaN, 15, 0}, {100, 0, 0}, {100, kNaN, 0}, {100, -15, 0},
        {1e12, 15, 16777215} // never beyond what a window system takes
    };
    // clang-format on
    for (const auto& [twips, tpp, px] : cases)
        EXPECT_EQ(twipsToPixels(twips, tpp), px) << twips << " at " << tpp;
}

TEST(LayoutPixels, RectEdgesAreRoundedSoNeighboursMeet) {
    const std::tuple<TwipRect, double, PixelRect> cases[] = {
        {{75, 60, 2760, 3000}, 15, {5, 4, 184, 200}}, // ends at 189; the next starts at 192
        // 7.5 -> 8, right edge 283.5 -> 284: the width is 276, not round(276.0) of a rounded size.
        {{75, 60, 2760, 3000}, 10, {8, 6, 276, 300}},
        {{2880, 60, 4140, 3000}, 15, {192, 4, 276, 200}},
        {{100, 0, -50, 10}, 15, {7, 0, 0, 1}},
        {{100, 100, 100, 100}, 0, {0, 0, 0, 0}}};
    for (const auto& [r, tpp, px] : cases) {
        const PixelRect got = toPixelRect(r, tpp, tpp);
        EXPECT_EQ(got, px) << r.left << " " << r.width << " -> " << got.left << " " << got.width
                           << " " << got.height;
    }
}

TEST(LayoutWindow, OpensWhereStoredUnlessOffTheScreen) {
    const TwipRect screen{0, 0, 15360, 11520}; // 1024 x 768 pixels at 96 dpi
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // clang-format off
    const std::tuple<float, float, float, float, TwipRect, WindowRect> cases[] = {
        {450, 1020, 7095, 5520, screen, {450, 1020, 7095, 5520}},
        {450, 1020, 3000, 2000, screen, {450, 1020, 4500, 3000}},    // minimum size
        {450, 1020, 100000, 100000, screen, {0, 0, 15360, 11520}},   // the whole screen
        {50000, 1020, 7095, 5520, screen, {8265, 1020, 7095, 5520}}, // right of the screen
        {-20000, 1020, 7095, 5520, screen, {0, 1020, 7095, 5520}},   // left of it
        {450, -3000, 7095, 5520, screen, {450, 0, 7095, 5520}},      // caption above it
        {450, 40000, 7095, 5520, screen, {450, 6000, 7095, 5520}},   // below it
        {300, 200, 7095, 5520, {1500, 600, 15360, 11520}, {1500, 600, 7095, 5520}}, // screen offset
        {450, 1020, 100000, 100000, TwipRect{}, {450, 1020, 100000, 100000}}, // no screen known
        {nan, 1020, inf, 5520, screen, {450, 1020, 7095, 5520}}              // defaults
    };
    // clang-format on
    for (const auto& [left, top, width, height, onScreen, want] : cases) {
        Settings s;
        std::tie(s.Left, s.Top, s.Width, s.Height) = std::tuple(left, top, width, height);
        const WindowRect got = initialWindowRect(s, onScreen);
        EXPECT_EQ(got, want) << left << "," << top << " " << width << "x" << height << " -> "
                             << got.Left << "," << got.Top << " " << got.Width << "x" << got.Height;
    }
}

TEST(LayoutWindow, PixelsSurviveTheRoundTripThroughTheSettings) {
    // A window closed at this pixel geometry opens at the same one, at several
    // screen scales and frame sizes.
    for (double tpp : {15.0, 12.0, 10.0, 1440.0 / 110, 1440.0 / 168, 14.4}) {
        for (const auto& [fw, fh] : {std::pair{0, 0}, {2, 2}, {8, 31}}) {
            for (const PixelRect& o : {PixelRect{17, 23, 1000, 700}, PixelRect{0, 0, 600, 400},
                                       PixelRect{5, 9, 1001, 701}}) {
                const WindowRect r = storedWindowRect(o.left, o.top, o.width, o.height, tpp, tpp);
                Settings s;
                std::tie(s.Left, s.Top, s.Width, s.Height) =
                    std::tuple(float(r.Left), float(r.Top), float(r.Width), float(r.Height));
                const WindowRect opened = initialWindowRect(s, {0, 0, 1e6, 1e6});
                EXPECT_EQ(windowPixels(opened, tpp, tpp, fw, fh),
                          (WindowPixels{o.left, o.top, o.width - fw, o.height - fh}))
                    << tpp << " frame " << fw << " " << o.width << "x" << o.height;
            }
        }
    }
}

// A layout started the way the window starts it: default settings, a window
// of 7095 x 5520 twips whose inner area is 7095 x 4500.
class Layout : public ::testing::Test {
  protected:
    Settings s;
    FormLayout f;
    WindowRect window{450, 1020, 7095, 5520};

    void SetUp() override { f.setMetrics({300, 480, 255}); }
    void begin(double innerWidth = 7095) {
        f.initialLayout(s);
        f.start(innerWidth, 4500, window, s);
    }
    ResizeResult resize(double innerWidth, double innerHeight = 4500, bool minimised = false) {
        const WindowRect w{window.Left, window.Top, innerWidth, innerHeight + 1020};
        return f.formResize(innerWidth, innerHeight, w, minimised, s);
    }
    // Tree, input and output widths, the input's left edge and the stored widths.
    auto widths() const {
        return std::tuple(f.treeWidth(), f.inputWidth(), f.outputWidth(), f.inputLeft(),
                          double(s.TreeWidth), double(s.InputWidth), double(s.OutputWidth));
    }
};

TEST_F(Layout, InitialLayoutPlacesEveryControl) {
    begin();
    const ControlRects r = f.rects();
    // Panes 3975 high: 4500 less the top margin 60, the gap 90, the box 300 and the bottom
    // margin 75.
    EXPECT_EQ(tie(r.tree), tie({75, 60, 2760, 3975}));
    EXPECT_EQ(tie(r.list), tie({2880, 60, 4140, 3975})); // 2760 + 120; 7095 - 2760 - 195
    EXPECT_EQ(tie(r.input), tie({90, 4125, 2039, 300}));
    EXPECT_EQ(tie(r.output), tie({4966, 4125, 2039, 300}));   // 15 inside the list's right edge
    EXPECT_EQ(tie(r.arrow), tie({3307.5, 4147.5, 480, 255})); // centred in the gap 2129..4966
    EXPECT_DOUBLE_EQ(f.outputRatio(), 2039.0 / 7095);
    EXPECT_DOUBLE_EQ(f.listWidth(), designListWidth());
    EXPECT_EQ(f.lastWindow(), window);
}

TEST_F(Layout, StoredWidthsThatDoNotFitAreBroughtIntoTheWindow) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Stored tree, input and output widths; the tree, the boxes and the input's left edge.
    // The realigned boxes share the row 75..7005 less the arrow and 60 each side of it:
    // (7005 - 75 - 480 - 120) / 2 = 3165.
    const std::tuple<float, float, float, double, double, double> cases[] = {
        {2760, 2039, 2039, 2760, 2039, 90}, {9000, 2039, 2039, 6600, 2039, 90}, // list kept 300
        {100, 2039, 2039, 300, 2039, 90},   {2760, -5, 2039, 2760, 3165, 75},
        {2760, 4000, 4000, 2760, 3165, 75}, {nan, 2039, 2039, 2760, 2039, 90}};
    for (const auto& [tree, input, output, t, b, inputLeft] : cases) {
        s = Settings{};
        std::tie(s.TreeWidth, s.InputWidth, s.OutputWidth) = std::tuple(tree, input, output);
        begin();
        EXPECT_EQ(widths(), std::tuple(t, b, b, inputLeft, t, b, b)) << tree << input;
        EXPECT_DOUBLE_EQ(f.listLeft(), t + 120) << tree;
    }
}

TEST_F(Layout, NothingHappensBeforeStartUpRecordsTheSize) {
    f.initialLayout(s);
    EXPECT_EQ(resize(9000), ResizeResult::NotStarted);
    EXPECT_FLOAT_EQ(s.Width, 7095);
    EXPECT_FALSE(f.started());
}

TEST_F(Layout, ResizeMovesTheListEdgeAndKeepsTheBoxProportions) {
    // Inner width and height; the list's width and the panes' height (0, never negative,
    // without room for them).
    const std::array<double, 4> cases[] = {{9000, 4500, 6045, 3975},
                                           {4500, 3000, 1545, 2475},
                                           {7095, 6000, 4140, 5475},
                                           {7095, 300, 4140, 0}};
    for (const auto& [width, height, listWidth, paneHeight] : cases) {
        s = Settings{};
        begin();
        EXPECT_EQ(resize(width, height), ResizeResult::Applied) << width;
        EXPECT_EQ(std::tuple(f.listWidth(), f.rects().list.height, s.Width, s.Height),
                  std::tuple(listWidth, paneHeight, float(width), float(height + 1020)));
        EXPECT_NEAR(f.inputWidth(), 2039.0 * width / 7095, 1e-9) << width;
        EXPECT_NEAR(f.outputWidth(), 2039.0 * width / 7095, 1e-9) << width;
        EXPECT_DOUBLE_EQ(f.treeWidth(), 2760) << "the tree keeps its width";
    }
}

TEST_F(Layout, ResizeThatLeavesTheListTooNarrowIsUndone) {
    begin();
    ASSERT_TRUE((f.splitterDown(0), f.splitterMove(3740, s))); // tree 6500, list 400
    f.splitterUp();
    const std::tuple<double, ResizeResult, double> cases[] = {
        {6900, ResizeResult::Undone, 400},  // 400 - 195 = 205
        {6994, ResizeResult::Undone, 400},  // 299
        {6995, ResizeResult::Applied, 300}, // exactly the minimum
        {6800, ResizeResult::Undone, 300},  {8000, ResizeResult::Applied, 1305},
    };
    for (const auto& [width, want, listWidth] : cases) {
        const WindowRect before = f.lastWindow();
        EXPECT_EQ(resize(width), want) << width;
        EXPECT_DOUBLE_EQ(f.listWidth(), listWidth) << width;
        if (want == ResizeResult::Undone) {
            EXPECT_EQ(f.lastWindow(), before) << "the last width is the one to restore";
            EXPECT_FLOAT_EQ(s.Width, static_cast<float>(before.Width));
        }
    }
}

TEST_F(Layout, MinimisingKeepsTheGeometryFromBefore) {
    // The window was 9000 wide when minimised; with the option off the stored
    // geometry stays as it is.
    for (const int16_t save : {1, 0}) {
        s = Settings{};
        s.SaveWindowSize = save;
        begin();
        ASSERT_EQ(resize(9000), ResizeResult::Applied);
        EXPECT_FLOAT_EQ(s.Width, save ? 9000 : 7095);
        s.Width = 1234; // whatever happened since
        EXPECT_EQ(f.formResize(2400, 0, {0, 11000, 2400, 400}, true, s), ResizeResult::Minimised);
        EXPECT_EQ(std::tuple(s.Width, s.Left), std::tuple(save ? 9000.f : 1234.f, 450.f));
        EXPECT_DOUBLE_EQ(f.listWidth(), 9000 - 2880 - 75) << "a minimised window is not laid out";
    }
}

TEST_F(Layout, BoxesBelowTheirMinimumReturnToTheStoredWidths) {
    begin();
    f.boxDragDown(0);
    ASSERT_TRUE(f.boxDragMove(-1439, 1.0, s)); // input 600, output 3478
    f.boxDragUp();
    ASSERT_EQ(resize(5000), ResizeResult::Applied);
    // 600/7095 of 5000 would be 423: below 600, so the stored 600 is used.
    EXPECT_DOUBLE_EQ(f.inputWidth(), 600);
    EXPECT_NEAR(f.outputWidth(), 3478.0 * 5000 / 7095, 1e-9);
    EXPECT_DOUBLE_EQ(f.inputRatio(), 600.0 / 5000);
}

TEST_F(Layout, BoxesAreRealignedWhenBothAreNarrowOrTheyNoLongerFit) {
    // Stored input and output widths, the inner width at start and after the resize, the boxes.
    const std::tuple<float, float, double, double, double> cases[] = {
        // Both 605 (< 610): each gets half of 75..7005 less the arrow and its margins.
        {605, 605, 7095, 7095, 3165},
        // 0.8 and 0.04 of 15000; at 6000 the output falls back to its stored 600 and
        // 4800 + 600 no longer fit beside the arrow: (5910 - 75 - 600) / 2 = 2617.5 -> 2617.
        {12000, 600, 15000, 6000, 2617}};
    for (const auto& [input, output, startWidth, width, want] : cases) {
        s = Settings{};
        std::tie(s.InputWidth, s.OutputWidth) = std::tuple(input, output);
        begin(startWidth);
        ASSERT_DOUBLE_EQ(f.inputWidth(), input);
        EXPECT_EQ(resize(width), ResizeResult::Applied);
        EXPECT_EQ(std::tuple(f.inputWidth(), f.outputWidth(), f.inputLeft(), f.inputRatio()),
                  std::tuple(want, want, 75.0, want / width))
            << input;
    }
    // A drag afterwards returns the input to its own left edge.
    f.boxDragDown(0);
    EXPECT_TRUE(f.boxDragMove(-2, 15, s));
    EXPECT_EQ(std::tuple(f.inputLeft(), f.inputWidth()), std::tuple(90.0, 2617.0 - 30));
}

TEST_F(Layout, SplitterKeepsBothPanesAtLeast300) {
    // A first move, then the one tested, both from the press; applied; the tree's width.
    const std::tuple<double, double, bool, double> cases[] = {
        {0, -1460, true, 1300},     {0, -2460, true, 300},  {0, -2461, false, 2760},
        {0, 3840, true, 6600},      {0, 3841, false, 2760}, {0, 0, true, 2760},
        {-1000, -2461, false, 1760} // stops at the last valid position
    };
    for (const auto& [first, d, applied, tree] : cases) {
        s = Settings{};
        begin();
        f.splitterDown(1000);
        ASSERT_TRUE(f.splitterMove(1000 + first, s));
        EXPECT_EQ(f.splitterMove(1000 + d, s), applied) << d;
        EXPECT_EQ(std::tuple(f.treeWidth(), f.listWidth(), double(s.TreeWidth)),
                  std::tuple(tree, 7095 - tree - 195, tree))
            << d;
    }
}

TEST_F(Layout, SplitterAndArrowMoveOnlyWhilePressed) {
    begin();
    EXPECT_FALSE(f.splitterMove(500, s)) << "no drag without a press";
    EXPECT_FALSE(f.boxDragMove(150, 15, s));
    f.splitterDown(0);
    f.splitterUp();
    f.boxDragDown(100);
    f.boxDragUp();
    EXPECT_FALSE(f.splitterMove(500, s) || f.boxDragMove(150, 15, s));
    EXPECT_EQ(widths(), std::tuple(2760.0, 2039.0, 2039.0, 90.0, 2760.0, 2039.0, 2039.0));
}

TEST_F(Layout, ArrowDragKeepsBothBoxesAtLeast600) {
    // The press was at screen x 100; the release x, twips per pixel, applied, the boxes.
    const std::tuple<double, double, bool, double, double> cases[] = {
        {110, 15, true, 2189, 1889}, {5, 15, true, 614, 3464},     {4, 15, false, 2039, 2039},
        {195, 15, true, 3464, 614},  {196, 15, false, 2039, 2039}, {110, 10, true, 2139, 1939}};
    for (const auto& [x, tpp, applied, input, output] : cases) {
        s = Settings{};
        begin();
        f.boxDragDown(100);
        EXPECT_EQ(f.boxDragMove(x, tpp, s), applied) << x;
        EXPECT_EQ(widths(), std::tuple(2760.0, input, output, 90.0, 2760.0, input, output)) << x;
        EXPECT_DOUBLE_EQ(f.inputRatio(), input / 7095) << x;
    }
}

} // namespace
} // namespace qm
