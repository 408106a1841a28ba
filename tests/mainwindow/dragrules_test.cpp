#include "mainwindow/dragrules.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace qm {
namespace {

using K = DragKind;
using P = DropPlace;
using A = DropAction;

// Two groups (nodes 2, 3), Number System (4), Constants (5) and four
// ordinary categories (nodes 6 to 9).
ConversionTable sampleTable() {
    ConversionTable t;
    t.pnCatGroupCount = 2;
    t.pnNodeCount = 6;
    return t;
}

TEST(DragRules, OnlyOrdinaryCategoriesStartATreeDragWhileTheTableMayChange) {
    const ConversionTable t = sampleTable();
    const std::vector<std::tuple<int, int16_t, bool>> rows = {
        {1, 1, false}, {3, 1, false},  {5, 1, false}, {6, 1, true},
        {9, 1, true},  {10, 1, false}, {6, 0, false}};
    for (const auto& [node, modify, starts] : rows)
        EXPECT_EQ(canStartTreeDrag(t, node, modify), starts) << node << " " << modify;
}

TEST(DragRules, WhatEachPlaceDoesWithADrop) {
    // kind, Constants selected, Modify, SortUnit, SortGroup; the place and its
    // highlighted row or node; what the drop does and whether a box inverts.
    const std::vector<std::tuple<DragSituation, P, int, DropDecision, bool>> rows = {
        {{K::Unit, false, true, false, false}, P::InputBox, 0, {A::ChooseFrom}, true},
        {{K::Unit, false, false, true, true}, P::OutputBox, 0, {A::ChooseInto}, true},
        {{K::Unit, true, true, false, false}, P::InputBox, 0, {}, false},
        {{K::Unit, true, true, false, false}, P::List, 2, {A::MoveUnit}, false},
        {{K::Unit, false, true, true, false}, P::List, 2, {A::Refused, 3}, false},
        {{K::Unit, false, true, false, false}, P::List, 0, {}, false},
        {{K::Unit, false, false, false, false}, P::List, 2, {}, false},
        {{K::Unit, false, true, false, false}, P::Tree, 6, {}, false},
        {{K::Category, false, true, false, false}, P::Tree, 6, {A::MoveCategory}, false},
        {{K::Category, false, true, false, true}, P::Tree, 6, {A::Refused, 2}, false},
        {{K::Unit, false, true, false, false}, P::Other, 0, {}, false}};
    int row = 0;
    for (const auto& [s, place, highlighted, want, inverts] : rows) {
        EXPECT_EQ(dropOn(s, place, highlighted), want) << "row " << row;
        EXPECT_EQ(dragOver(s, place).invertBox, inverts) << "row " << row;
        ++row;
    }
}

TEST(DragRules, BandsLieInsideTheRectangleAlongItsEdges) {
    // Rectangle 10,20 100 wide 50 high, bands 5 high.
    const std::vector<std::tuple<int, int, Band>> rows = {
        {9, 30, Band::Outside}, {50, 19, Band::Outside}, {50, 70, Band::Outside},
        {50, 20, Band::Top},    {50, 24, Band::Top},     {50, 25, Band::Middle},
        {50, 64, Band::Middle}, {50, 65, Band::Bottom},  {109, 69, Band::Bottom}};
    for (const auto& [x, y, band] : rows)
        EXPECT_EQ(bandAt(x, y, 10, 20, 100, 50, 5), band) << x << "," << y;
}

// Watch ticks for a sequence of bands: the actions taken, as letters
// (n none, s stop scroll, S start scroll, E end the drag, followed by its tip).
std::string watch(K kind, bool sorted, const std::string& bands, int hint = 500, int down = 300) {
    WatchState st;
    std::string out;
    for (const char b : bands) {
        const Band band = b == 'T'   ? Band::Top
                          : b == 'B' ? Band::Bottom
                          : b == 'M' ? Band::Middle
                                     : Band::Outside;
        const WatchOutcome o = watchTick(st, {kind, band, sorted, hint, down});
        out += "nwsSE"[static_cast<int>(o.action)];
        if (o.tip >= 0) out += std::to_string(o.tip);
    }
    return out;
}

TEST(DragRules, WatchTicksScrollOrEndTheDragAfterTheirDelays) {
    EXPECT_EQ(watch(K::Unit, false, "TTMO"), "SSss");
    EXPECT_EQ(watch(K::Unit, false, "BBMBBB"), "nnsnnS"); // ScrollDownDelay 300 ms, afresh
    EXPECT_EQ(watch(K::Category, false, "B"), "S");
    EXPECT_EQ(watch(K::Unit, true, "T"), "E1");
    EXPECT_EQ(watch(K::Unit, true, "BBBBB"), "nnnnE1"); // ShowHintDelay 500 ms
    EXPECT_EQ(watch(K::Unit, true, "BB", 200), "nE1");
    EXPECT_EQ(watch(K::Category, true, "B"), "E0");
    WatchState st{kMaxWatchTicks, 0, 0};
    EXPECT_EQ(watchTick(st, {K::Unit, Band::Top}).action, WatchAction::StopWatch);
}

TEST(DragRules, ScrollStepsStopAtTheFirstAndLastRowOrCategory) {
    const ConversionTable t = sampleTable();
    // tree or list, position, direction, rows; the step
    const std::vector<std::tuple<bool, int, int, int, ScrollStep>> rows = {
        {false, 3, 1, 5, {2, true, false}}, {false, 2, 1, 5, {1, true, true}},
        {false, 4, 2, 5, {5, true, true}},  {false, 1, 2, 1, {1, true, true}},
        {false, 0, 2, 0, {0, false, true}}, {true, 7, 2, 0, {8, true, false}},
        {true, 8, 2, 0, {9, true, true}},   {true, 7, 1, 0, {6, true, false}},
        {true, 6, 1, 0, {6, false, true}}};
    for (const auto& [tree, position, direction, units, want] : rows) {
        const ScrollStep got = tree ? treeScrollStep(t, position, direction)
                                    : listScrollStep(position, direction, units);
        EXPECT_EQ(got, want) << tree << " " << position << " " << direction;
    }
}

} // namespace
} // namespace qm
