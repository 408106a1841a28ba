// The main window's command state without windows: the refresh tick, the
// context menus per node and row, the long press, the toolbar's buttons and
// stored layout, and the file dialogs' filter.
#include "mainwindow/menustate.h"

#include <gtest/gtest.h>

#include <set>

namespace qm {
namespace {

TEST(MenuRefreshTest, EachInputDrivesItsOwnItems) {
    const auto none = std::nullopt;
    const struct {
        MenuRefreshInput in;
        MenuRefresh out;
    } cases[] = {
        {{0, 0, false, false, false}, {false, false, false, false, none}},
        {{1, 0, false, false, false}, {true, false, false, false, none}}, // one group expanded
        {{3, 0, false, false, false}, {true, false, false, false, none}},
        {{0, 1, false, false, false}, {false, true, false, false, none}}, // the list has a row
        {{0, 0, true, false, false}, {false, false, true, false, none}},  // the table changed
        {{0, 0, false, true, false}, {false, false, false, true, none}},  // clipboard text
        {{0, 0, false, true, true}, {false, false, false, true, true}},   // and the calculator
        {{0, 0, false, false, true}, {false, false, false, false, false}},
        {{2, 7, true, true, true}, {true, true, true, true, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(menuRefresh(c.in), c.out)
            << c.in.expandedGroups << c.in.listRows << c.in.tableChanged << c.in.clipboardHasText
            << c.in.calculatorShown;
}

TEST(MenuRefreshTest, CountsOnlyGroupNodes) {
    const std::set<int> open{1, 2, 4, 6}; // the root and node 6 are no groups of three
    const auto expanded = [&](int node) { return open.count(node) > 0; };
    EXPECT_EQ(countExpandedGroups(3, expanded), 2); // nodes 2 and 4 of 2..4
    EXPECT_EQ(countExpandedGroups(0, expanded), 0);
    EXPECT_EQ(countExpandedGroups(5, expanded), 3); // nodes 2, 4, 6 of 2..6
}

// Two groups: 1 root, 2 and 3 groups, 4 Number System, 5 Constants, 6.. categories.

TEST(TreeMenuPlanTest, EveryKindOfNode) {
    const auto none = std::nullopt;
    const TreePopup C = TreePopup::EditCategory, G = TreePopup::EditGroup;
    const struct {
        int node, parent, groups;
        bool modify;
        TreeMenuPlan plan;
    } cases[] = {
        {1, 0, 2, true, {C, "Add", false, none}}, // the root
        {1, 0, 2, false, {}},
        {0, 0, 2, true, {}},                         // no node
        {2, 1, 2, true, {C, "Add...", false, none}}, // the first group
        {3, 1, 2, true, {C, "Add...", true, none}},
        {4, 1, 2, true, {G, "Add...", none, false}}, // number system
        {5, 1, 2, true, {G, "Add...", none, false}}, // constants
        {6, 2, 2, true, {G, none, none, true}},      // a category in a group
        {9, 3, 2, true, {G, none, none, true}},
        {6, 2, 2, false, {}},
        {3, 1, 2, false, {}},
        // Without groups node 2 is the number-system category, not a group.
        {2, 1, 0, true, {G, "Add...", none, false}},
        {3, 1, 0, true, {G, "Add...", none, false}},
        {2, 1, 1, true, {C, "Add...", false, none}},
        {5, 2, 1, true, {G, none, none, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(treeMenuPlan(c.node, c.parent, c.groups, c.modify), c.plan)
            << c.node << " of " << c.groups << " groups, modify " << c.modify;
}

TEST(UnitMenuPlanTest, RowsAndEmptySpace) {
    const auto none = std::nullopt;
    const auto L = UnitMenuPlan::Show::AfterLongPress, O = UnitMenuPlan::Show::AtOnce;
    const std::string ins = "&Insert...", add = "&Add...";
    const struct {
        bool onRow;
        int selNode;
        bool modify;
        int rows;
        UnitMenuPlan plan;
    } cases[] = {
        {true, 6, true, 5, {L, true, ins, true, true, true, true, none}}, // a row of a category
        {true, 6, false, 5, {L, true, ins, false, false, false, true, none}},
        {true, 5, true, 1, {L, true, ins, true, true, true, true, none}},     // constants
        {true, 4, true, 4, {L, false, ins, false, false, false, true, none}}, // number system
        {true, 4, false, 4, {L, false, ins, false, false, false, true, none}},
        {false, 6, true, 5, {O, false, add, true, false, true, false, int16_t{5}}},
        {false, 7, true, 0, {O, false, add, true, false, true, false, int16_t{0}}},
        {false, 5, true, 1, {O, false, add, true, false, true, false, int16_t{1}}},
        {false, 4, true, 4, {O, false, add, false, false, true, false, int16_t{4}}},
        {false, 6, false, 5, {}},
        {false, 2, true, 0, {}}, // under a group
        {false, 1, true, 0, {}}, // under the root
    };
    for (const auto& c : cases)
        EXPECT_EQ(unitMenuPlan(c.onRow, c.selNode, 2, c.modify, c.rows), c.plan)
            << c.onRow << " " << c.selNode << " " << c.modify;
}

TEST(LongPressTest, OpensAfterTheDelayDividedByTheInterval) {
    const struct {
        int delay;
        int ticks; // ticks until the menu opens
    } cases[] = {{100, 1}, {500, 5}, {550, 5}, {599, 5}, {2000, 20}, {50, 1}};
    for (const auto& c : cases) {
        LongPress lp;
        lp.start(c.delay);
        for (int i = 1; i < c.ticks; ++i)
            EXPECT_FALSE(lp.tick()) << c.delay << " tick " << i;
        EXPECT_TRUE(lp.tick()) << c.delay;
        EXPECT_FALSE(lp.running()) << c.delay;
        EXPECT_EQ(lp.count(), 0) << c.delay;
        EXPECT_FALSE(lp.tick()) << c.delay; // stopped: nothing more opens
    }
}

TEST(LongPressTest, AClickStopsAndTheNextPressCountsAfresh) {
    LongPress lp;
    lp.start(500);
    std::string ticks;
    for (int i = 0; i < 3; ++i)
        ticks += lp.tick() ? '1' : '0';
    lp.stop();
    ticks += lp.tick() ? '1' : '0'; // ticks after the click do nothing
    lp.start(500);
    for (int i = 0; i < 5; ++i)
        ticks += lp.tick() ? '1' : '0'; // a full delay again
    EXPECT_EQ(ticks, "000000001");
}

TEST(ToolbarLayoutTest, RoundTrip) {
    const ToolbarLayout layouts[] = {
        {"", {}},
        {"AAAA/w==", {}},
        {"AAAA/w+=", {"Print", "Find"}},
        {"", {"Exit"}},
    };
    for (const ToolbarLayout& l : layouts) {
        const std::string text = encodeToolbarLayout(l);
        EXPECT_EQ(decodeToolbarLayout(text), l) << text;
    }
    EXPECT_EQ(encodeToolbarLayout({"AAAA", {"Print", "Find"}}), "AAAA|Print,Find");
}

TEST(ToolbarLayoutTest, DamagedTextsAndUnknownKeys) {
    for (const char* bad : {"", "AAAA" /* no separator */, "AA;A|Print" /* not base64 */, "AA A|"})
        EXPECT_EQ(decodeToolbarLayout(bad), std::nullopt) << bad;
    EXPECT_EQ(decodeToolbarLayout("AAAA|Print,,Bogus, Find ,Print,print"),
              (ToolbarLayout{"AAAA", {"Print", "Find"}})); // keys are case-sensitive
}

TEST(FileFilterTest, WindowsFilterToQt) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Data files (*.dat;*.txt)|*.dat;*.txt|All Files (*.*)|*.*|",
         "Data files (*.dat *.txt);;All Files (*)"},
        {"Data files (*.dat;*.txt)|*.dat;*.txt|All Files (*.*)|*.*",
         "Data files (*.dat *.txt);;All Files (*)"},
        {"Text|*.txt|", "Text (*.txt)"},
        {"Odd|", "Odd (*)"},
        {"", "All Files (*)"},
        {"Any| |", "Any (*)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qtFileFilter(c.in), c.out) << c.in;
}

} // namespace
} // namespace qm
