#include "mainwindow/layoutlogic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace qm {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct QSizeLike {
    int width, height;
};

TEST(LayoutPixels, TwipsToPixelsRoundsToTheNearestPixel) {
    struct Case {
        double twips, tpp;
        int px;
    };
    const std::vector<Case>
        cases =
            {
                {7095, 15, 473},      {7, 15, 0},
                {8, 15, 1},           {7.5, 15, 1}, // halves away from zero
                {-7.5, 15, -1},       {2039, 10, 204},
                {4500, 10, 450},      {0, 15, 0},
                {kNaN, 15, 0},        {100, 0, 0},
                {100, kNaN, 0},       {100, -15, 0},
                {1e12, 15, 16777215}, // never beyond what a window system takes
            };
    for (const Case& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips, c.tpp), c.px) << c.twips << " at " << c.tpp;
    EXPECT_DOUBLE_EQ(pixelsToTwips(473, 15), 7095);
    EXPECT_DOUBLE_EQ(pixelsToTwips(204, 10), 2040);
}

TEST(LayoutPixels, RectEdgesAreRoundedSoNeighboursMeet) {
    struct Case {
        TwipRect r;
        double tppX, tppY;
        PixelRect px;
    };
    const std::vector<Case> cases = {
        {{75, 60, 2760, 3000}, 15, 15, {5, 4, 184, 200}},
        // 7.5 -> 8, right edge 283.5 -> 284: the width is 276, not round(276.0) of a rounded size.
        {{75, 60, 2760, 3000}, 10, 10, {8, 6, 276, 300}},
        {{2880, 60, 4140, 3000}, 15, 15, {192, 4, 276, 200}},
        {{100, 0, -50, 10}, 15, 15, {7, 0, 0, 1}},
        {{100, 100, 100, 100}, 0, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const PixelRect got = toPixelRect(c.r, c.tppX, c.tppY);
        EXPECT_EQ(got, c.px) << c.r.left << "," << c.r.top << " " << c.r.width << "x" << c.r.height
                             << " -> " << got.left << "," << got.top << " " << got.width << "x"
                             << got.height;
    }
    // Tree and list of the default layout: the list starts 3 pixels (45 twips) after the tree.
    const PixelRect tree = toPixelRect({75, 0, 2760, 10}, 15, 15);
    const PixelRect list = toPixelRect({2880, 0, 4140, 10}, 15, 15);
    EXPECT_EQ(list.left - (tree.left + tree.width), 3);
}

TEST(LayoutWindow, DesignListWidthIsTheListOfADefaultWindow) {
    // A frameless default window laid out from the default settings has a
    // list exactly as wide as the design width read at start-up.
    Settings s;
    FormLayout layout;
    layout.initialLayout(s);
    layout.start(s.Width, s.Height, WindowRect{s.Left, s.Top, s.Width, s.Height}, s);
    EXPECT_DOUBLE_EQ(layout.listWidth(), designListWidth());
    EXPECT_DOUBLE_EQ(designListWidth(), 7095 - 2880 - 75);
}

TEST(LayoutWindow, NeverBelowTheMinimumSize) {
    struct Case {
        WindowRect in, out;
    };
    const std::vector<Case> cases = {
        {{0, 0, 4000, 2000}, {0, 0, 4500, 3000}},     {{10, 20, 4500, 3000}, {10, 20, 4500, 3000}},
        {{10, 20, 9000, 2999}, {10, 20, 9000, 3000}}, {{10, 20, 4499, 8000}, {10, 20, 4500, 8000}},
        {{10, 20, -100, -100}, {10, 20, 4500, 3000}}, {{10, 20, kNaN, kNaN}, {10, 20, 4500, 3000}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(atLeastMinimum(c.in), c.out) << c.in.Width << "x" << c.in.Height;
}

TEST(LayoutWindow, OpensWhereStoredUnlessOffTheScreen) {
    const TwipRect screen{0, 0, 15360, 11520}; // 1024 x 768 pixels at 96 dpi
    struct Case {
        float left, top, width, height;
        TwipRect screen;
        WindowRect want;
    };
    const std::vector<Case> cases = {
        {450, 1020, 7095, 5520, screen, {450, 1020, 7095, 5520}},
        {3000, 2000, 9000, 6000, screen, {3000, 2000, 9000, 6000}},
        {450, 1020, 3000, 2000, screen, {450, 1020, 4500, 3000}},    // minimum size
        {450, 1020, 100000, 100000, screen, {0, 0, 15360, 11520}},   // the whole screen
        {50000, 1020, 7095, 5520, screen, {8265, 1020, 7095, 5520}}, // right of the screen
        {-20000, 1020, 7095, 5520, screen, {0, 1020, 7095, 5520}},   // left of it
        {450, -3000, 7095, 5520, screen, {450, 0, 7095, 5520}},      // caption above it
        {450, 40000, 7095, 5520, screen, {450, 6000, 7095, 5520}},   // below it
        {-3000, 1020, 7095, 5520, screen, {0, 1020, 7095, 5520}},    // partly off the left
        {12000, 9000, 7095, 5520, screen, {8265, 6000, 7095, 5520}}, // over the bottom right
        {300, 200, 7095, 5520, {1500, 600, 15360, 11520}, {1500, 600, 7095, 5520}}, // screen offset
        {450, 1020, 100000, 100000, TwipRect{}, {450, 1020, 100000, 100000}}, // no screen known
    };
    for (const Case& c : cases) {
        Settings s;
        s.Left = c.left;
        s.Top = c.top;
        s.Width = c.width;
        s.Height = c.height;
        const WindowRect got = initialWindowRect(s, c.screen);
        EXPECT_EQ(got, c.want) << c.left << "," << c.top << " " << c.width << "x" << c.height
                               << " -> " << got.Left << "," << got.Top << " " << got.Width << "x"
                               << got.Height;
    }
    Settings s;
    s.Left = std::numeric_limits<float>::quiet_NaN();
    s.Width = std::numeric_limits<float>::infinity();
    EXPECT_EQ(initialWindowRect(s, screen), (WindowRect{450, 1020, 7095, 5520}));
}

TEST(LayoutWindow, PixelsSurviveTheRoundTripThroughTheSettings) {
    // A window closed at this pixel geometry opens at the same one: outer
    // pixels to twips as stored, then back to the frame position and the inner
    // size, at several screen scales and frame sizes.
    const double scales[] = {15, 12, 10, 1440.0 / 110, 1440.0 / 168, 14.4};
    const QSizeLike frames[] = {{0, 0}, {2, 2}, {8, 31}};
    for (double tpp : scales) {
        for (const QSizeLike& f : frames) {
            for (const PixelRect& outer : {PixelRect{17, 23, 1000, 700}, PixelRect{0, 0, 600, 400},
                                           PixelRect{5, 9, 1001, 701}}) {
                const WindowRect r =
                    storedWindowRect(outer.left, outer.top, outer.width, outer.height, tpp, tpp);
                Settings s;
                s.Left = static_cast<float>(r.Left);
                s.Top = static_cast<float>(r.Top);
                s.Width = static_cast<float>(r.Width);
                s.Height = static_cast<float>(r.Height);
                const WindowRect opened = initialWindowRect(s, {0, 0, 1e6, 1e6});
                const WindowPixels px = windowPixels(opened, tpp, tpp, f.width, f.height);
                EXPECT_EQ(px, (WindowPixels{outer.left, outer.top, outer.width - f.width,
                                            outer.height - f.height}))
                    << tpp << " frame " << f.width << " " << outer.width << "x" << outer.height;
            }
        }
    }
    // A frame not yet measured takes nothing off; a size never falls below one pixel.
    EXPECT_EQ(windowPixels({150, 300, 15000, 10500}, 15, 15, -1, -1),
              (WindowPixels{10, 20, 1000, 700}));
    EXPECT_EQ(windowPixels({0, 0, 15, 15}, 15, 15, 4, 30), (WindowPixels{0, 0, 1, 1}));
}

// A layout started the way the window starts it: default settings, a window
// of 7095 x 5520 twips whose inner area is 7095 x 4500.
class Layout : public ::testing::Test {
  protected:
    Settings s;
    FormLayout f;
    WindowRect window{450, 1020, 7095, 5520};

    void SetUp() override { f.setMetrics({300, 480, 255}); }
    void begin(double innerWidth = 7095, double innerHeight = 4500) {
        f.initialLayout(s);
        f.start(innerWidth, innerHeight, window, s);
    }
    ResizeResult resize(double innerWidth, double innerHeight = 4500, bool minimised = false) {
        const WindowRect w{window.Left, window.Top, innerWidth, innerHeight + 1020};
        return f.formResize(innerWidth, innerHeight, w, minimised, s);
    }
};

TEST_F(Layout, InitialLayoutPlacesEveryControl) {
    begin();
    const ControlRects r = f.rects();
    // Panes 3975 high: 4500 less the top margin 60, the gap 90, the box 300 and the bottom
    // margin 75.
    struct Case {
        const char* name;
        TwipRect got, want;
    };
    const std::vector<Case> cases = {
        {"tree", r.tree, {75, 60, 2760, 3975}},
        {"list", r.list, {2880, 60, 4140, 3975}},        // 2760 + 120; 7095 - 2760 - 195
        {"splitter", r.splitter, {2805, 60, 105, 3975}}, // 30 inside the tree's right edge
        {"input", r.input, {90, 4125, 2039, 300}},
        {"output", r.output, {4966, 4125, 2039, 300}},  // right edge 15 inside the list's (7020)
        {"arrow", r.arrow, {3307.5, 4147.5, 480, 255}}, // centred in the gap 2129..4966
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(c.got.left, c.want.left) << c.name;
        EXPECT_DOUBLE_EQ(c.got.top, c.want.top) << c.name;
        EXPECT_DOUBLE_EQ(c.got.width, c.want.width) << c.name;
        EXPECT_DOUBLE_EQ(c.got.height, c.want.height) << c.name;
    }
    EXPECT_DOUBLE_EQ(f.inputRatio(), 2039.0 / 7095);
    EXPECT_DOUBLE_EQ(f.outputRatio(), 2039.0 / 7095);
    EXPECT_EQ(f.lastWindow(), window);
}

TEST_F(Layout, StoredWidthsThatDoNotFitAreBroughtIntoTheWindow) {
    struct Case {
        float tree, input, output;
        double wantTree, wantInput, wantOutput, wantInputLeft;
    };
    // The realigned boxes share the row 75..7005 less the arrow and 60 each side of it:
    // (7005 - 75 - 480 - 120) / 2 = 3165.
    const std::vector<Case> cases = {
        {2760, 2039, 2039, 2760, 2039, 2039, 90},
        {9000, 2039, 2039, 6600, 2039, 2039, 90}, // list kept at 300 wide; the boxes still fit
        {100, 2039, 2039, 300, 2039, 2039, 90},
        {2760, -5, 2039, 2760, 3165, 3165, 75},
        {2760, 4000, 4000, 2760, 3165, 3165, 75},
        {std::numeric_limits<float>::quiet_NaN(), 2039, 2039, 2760, 2039, 2039, 90},
    };
    for (const Case& c : cases) {
        s = Settings{};
        s.TreeWidth = c.tree;
        s.InputWidth = c.input;
        s.OutputWidth = c.output;
        begin();
        const double wantInput = c.wantInput, wantOutput = c.wantOutput;
        EXPECT_DOUBLE_EQ(f.treeWidth(), c.wantTree) << c.tree;
        EXPECT_DOUBLE_EQ(f.listLeft(), c.wantTree + 120) << c.tree;
        EXPECT_DOUBLE_EQ(f.inputWidth(), wantInput) << c.tree << " " << c.input;
        EXPECT_DOUBLE_EQ(f.outputWidth(), wantOutput) << c.tree << " " << c.output;
        EXPECT_DOUBLE_EQ(f.inputLeft(), c.wantInputLeft) << c.tree << " " << c.input;
        EXPECT_FLOAT_EQ(s.TreeWidth, static_cast<float>(c.wantTree)) << c.tree;
        EXPECT_FLOAT_EQ(s.InputWidth, static_cast<float>(wantInput)) << c.input;
    }
}

TEST_F(Layout, NothingHappensBeforeStartUpRecordsTheSize) {
    f.initialLayout(s);
    EXPECT_EQ(resize(9000), ResizeResult::NotStarted);
    EXPECT_FLOAT_EQ(s.Width, 7095);
    EXPECT_FALSE(f.started());
}

TEST_F(Layout, ResizeMovesTheListEdgeAndKeepsTheBoxProportions) {
    struct Case {
        double width, height;
        double listWidth, input, output, paneHeight;
    };
    const std::vector<Case> cases = {
        {9000, 4500, 6045, 2039.0 * 9000 / 7095, 2039.0 * 9000 / 7095, 3975},
        {4500, 3000, 1545, 2039.0 * 4500 / 7095, 2039.0 * 4500 / 7095, 2475},
        {7095, 6000, 4140, 2039, 2039, 5475},
        {7095, 300, 4140, 2039, 2039, 0}, // no room for the panes: height 0, never negative
    };
    for (const Case& c : cases) {
        s = Settings{};
        begin();
        EXPECT_EQ(resize(c.width, c.height), ResizeResult::Applied) << c.width;
        EXPECT_DOUBLE_EQ(f.listWidth(), c.listWidth) << c.width;
        EXPECT_NEAR(f.inputWidth(), c.input, 1e-9) << c.width;
        EXPECT_NEAR(f.outputWidth(), c.output, 1e-9) << c.width;
        EXPECT_DOUBLE_EQ(f.rects().tree.height, c.paneHeight) << c.height;
        EXPECT_DOUBLE_EQ(f.rects().list.height, c.paneHeight) << c.height;
        EXPECT_DOUBLE_EQ(f.treeWidth(), 2760) << "the tree keeps its width";
        EXPECT_FLOAT_EQ(s.Width, static_cast<float>(c.width)) << "geometry kept for the settings";
        EXPECT_FLOAT_EQ(s.Height, static_cast<float>(c.height + 1020));
        EXPECT_NEAR(f.rects().output.right(), f.rects().list.right() - 15, 1e-9);
    }
}

TEST_F(Layout, ResizeThatLeavesTheListTooNarrowIsUndone) {
    begin();
    ASSERT_TRUE((f.splitterDown(0), f.splitterMove(3740, s))); // tree 6500, list 400
    f.splitterUp();
    ASSERT_DOUBLE_EQ(f.listWidth(), 400);
    struct Case {
        double width;
        ResizeResult want;
        double listWidth;
    };
    const std::vector<Case> cases = {
        {6900, ResizeResult::Undone, 400},  // 400 - 195 = 205
        {6994, ResizeResult::Undone, 400},  // 299
        {6995, ResizeResult::Applied, 300}, // exactly the minimum
        {6800, ResizeResult::Undone, 300},  {8000, ResizeResult::Applied, 1305},
    };
    for (const Case& c : cases) {
        const WindowRect before = f.lastWindow();
        EXPECT_EQ(resize(c.width), c.want) << c.width;
        EXPECT_DOUBLE_EQ(f.listWidth(), c.listWidth) << c.width;
        if (c.want == ResizeResult::Undone) {
            EXPECT_EQ(f.lastWindow(), before) << "the last width is the one to restore";
            EXPECT_FLOAT_EQ(s.Width, static_cast<float>(before.Width));
        }
    }
}

TEST_F(Layout, MinimisingKeepsTheGeometryFromBefore) {
    struct Case {
        int16_t save;
        float wantWidth, wantLeft;
    };
    // The window was 9000 wide when minimised; with the option off the stored
    // geometry stays as read (7095 wide at 450).
    const std::vector<Case> cases = {{1, 9000, 450}, {0, 7095, 450}};
    for (const Case& c : cases) {
        s = Settings{};
        s.SaveWindowSize = c.save;
        begin();
        ASSERT_EQ(resize(9000), ResizeResult::Applied);
        s.Width = 1234; // whatever happened since
        const WindowRect tiny{0, 11000, 2400, 400};
        EXPECT_EQ(f.formResize(2400, 0, tiny, true, s), ResizeResult::Minimised);
        if (c.save == 1)
            EXPECT_FLOAT_EQ(s.Width, c.wantWidth);
        else
            EXPECT_FLOAT_EQ(s.Width, 1234);
        EXPECT_FLOAT_EQ(s.Left, c.wantLeft);
        EXPECT_DOUBLE_EQ(f.innerWidth(), 9000) << "a minimised window is not laid out";
        EXPECT_DOUBLE_EQ(f.listWidth(), 9000 - 2880 - 75);
    }
}

TEST_F(Layout, BoxesBelowTheirMinimumReturnToTheStoredWidths) {
    begin();
    f.boxDragDown(0);
    ASSERT_TRUE(f.boxDragMove(-1439, 1.0, s)); // input 600, output 3478
    f.boxDragUp();
    ASSERT_FLOAT_EQ(s.InputWidth, 600);
    ASSERT_EQ(resize(5000), ResizeResult::Applied);
    // 600/7095 of 5000 would be 423: below 600, so the stored 600 is used.
    EXPECT_DOUBLE_EQ(f.inputWidth(), 600);
    EXPECT_NEAR(f.outputWidth(), 3478.0 * 5000 / 7095, 1e-9);
    EXPECT_DOUBLE_EQ(f.inputRatio(), 600.0 / 5000);
}

TEST_F(Layout, BoxesAreRealignedWhenBothAreNarrowOrTheyNoLongerFit) {
    struct Case {
        float input, output;
        double startWidth, width;
        double want;
    };
    const std::vector<Case> cases = {
        // Both 605 (< 610): each gets half of 75..7005 less the arrow and its margins.
        {605, 605, 7095, 7095, 3165},
        // 0.8 and 0.04 of 15000; at 6000 the output falls back to its stored 600 and
        // 4800 + 600 no longer fit beside the arrow: (5910 - 75 - 600) / 2 = 2617.5 -> 2617.
        {12000, 600, 15000, 6000, 2617},
    };
    for (const Case& c : cases) {
        s = Settings{};
        s.InputWidth = c.input;
        s.OutputWidth = c.output;
        begin(c.startWidth);
        ASSERT_DOUBLE_EQ(f.inputWidth(), c.input);
        EXPECT_EQ(resize(c.width), ResizeResult::Applied);
        EXPECT_DOUBLE_EQ(f.inputWidth(), c.want) << c.input;
        EXPECT_DOUBLE_EQ(f.outputWidth(), c.want) << c.output;
        EXPECT_DOUBLE_EQ(f.inputLeft(), 75);
        const ControlRects r = f.rects();
        EXPECT_GE(r.arrow.left, r.input.right()) << "the arrow stays clear of the boxes";
        EXPECT_LE(r.arrow.right(), r.output.left);
        EXPECT_DOUBLE_EQ(f.inputRatio(), c.want / c.width);
    }
}

TEST_F(Layout, SplitterKeepsBothPanesAtLeast300) {
    struct Case {
        double d;
        bool applied;
        double tree;
    };
    const std::vector<Case> cases = {
        {-1460, true, 1300}, {-2460, true, 300},  {-2461, false, 2760},
        {3840, true, 6600},  {3841, false, 2760}, {0, true, 2760},
    };
    for (const Case& c : cases) {
        s = Settings{};
        begin();
        f.splitterDown(1000);
        EXPECT_EQ(f.splitterMove(1000 + c.d, s), c.applied) << c.d;
        EXPECT_DOUBLE_EQ(f.treeWidth(), c.tree) << c.d;
        EXPECT_DOUBLE_EQ(f.listLeft(), c.tree + 120) << c.d;
        EXPECT_DOUBLE_EQ(f.listWidth(), 7095 - c.tree - 195) << c.d;
        EXPECT_FLOAT_EQ(s.TreeWidth, static_cast<float>(c.tree)) << c.d;
        EXPECT_DOUBLE_EQ(f.rects().splitter.left, 75 + c.tree - 30);
    }
}

TEST_F(Layout, SplitterStopsAtTheLastValidPosition) {
    begin();
    EXPECT_FALSE(f.splitterMove(500, s)) << "no drag without a press";
    f.splitterDown(0);
    EXPECT_TRUE(f.splitterMove(-1000, s));
    EXPECT_FALSE(f.splitterMove(-2461, s)); // tree would be 299
    EXPECT_DOUBLE_EQ(f.treeWidth(), 1760);
    EXPECT_FLOAT_EQ(s.TreeWidth, 1760);
    f.splitterUp();
    EXPECT_FALSE(f.splitterDragging());
    EXPECT_FALSE(f.splitterMove(0, s));
    EXPECT_DOUBLE_EQ(f.treeWidth(), 1760);
}

TEST_F(Layout, ArrowDragKeepsBothBoxesAtLeast600) {
    struct Case {
        double x, tpp;
        bool applied;
        double input, output;
    };
    // The press was at screen x 100; each pixel is tpp twips.
    const std::vector<Case> cases = {
        {110, 15, true, 2189, 1889}, {5, 15, true, 614, 3464},     {4, 15, false, 2039, 2039},
        {195, 15, true, 3464, 614},  {196, 15, false, 2039, 2039}, {110, 10, true, 2139, 1939},
        {100, 15, true, 2039, 2039},
    };
    for (const Case& c : cases) {
        s = Settings{};
        begin();
        f.boxDragDown(100);
        EXPECT_EQ(f.boxDragMove(c.x, c.tpp, s), c.applied) << c.x;
        EXPECT_DOUBLE_EQ(f.inputWidth(), c.input) << c.x;
        EXPECT_DOUBLE_EQ(f.outputWidth(), c.output) << c.x;
        EXPECT_FLOAT_EQ(s.InputWidth, static_cast<float>(c.input)) << c.x;
        EXPECT_FLOAT_EQ(s.OutputWidth, static_cast<float>(c.output)) << c.x;
        EXPECT_DOUBLE_EQ(f.inputRatio(), c.input / 7095) << c.x;
        const ControlRects r = f.rects();
        EXPECT_DOUBLE_EQ(r.output.right(), 7005) << "the output keeps its right edge";
    }
}

TEST_F(Layout, ArrowDragAfterARealignmentReturnsTheInputToItsEdge) {
    s.InputWidth = 605;
    s.OutputWidth = 605;
    begin();
    ASSERT_EQ(resize(7095), ResizeResult::Applied);
    ASSERT_DOUBLE_EQ(f.inputLeft(), 75);
    f.boxDragDown(0);
    EXPECT_TRUE(f.boxDragMove(-2, 15, s));
    EXPECT_DOUBLE_EQ(f.inputLeft(), 90);
    EXPECT_DOUBLE_EQ(f.inputWidth(), 3135);
    EXPECT_DOUBLE_EQ(f.outputWidth(), 3195);
    f.boxDragUp();
    EXPECT_FALSE(f.boxDragMove(50, 15, s));
    EXPECT_DOUBLE_EQ(f.inputWidth(), 3135);
}

} // namespace
} // namespace qm
