// The main window's command state without windows: the refresh tick, the
// context menus per node and row, the long press, the toolbar's buttons and
// stored layout, and the file dialogs' filter.
#include "mainwindow/menustate.h"

#include <gtest/gtest.h>

#include <set>

namespace qm {
namespace {

// ---- Refresh tick ----

struct RefreshCase {
    const char* name;
    MenuRefreshInput in;
    MenuRefresh out;
};

TEST(MenuRefreshTest, EachInputDrivesItsOwnItems) {
    const RefreshCase cases[] = {
        {"nothing", {0, 0, false, false, false}, {false, false, false, false, std::nullopt}},
        {"one group expanded",
         {1, 0, false, false, false},
         {true, false, false, false, std::nullopt}},
        {"three groups expanded",
         {3, 0, false, false, false},
         {true, false, false, false, std::nullopt}},
        {"list has rows", {0, 5, false, false, false}, {false, true, false, false, std::nullopt}},
        {"one row", {0, 1, false, false, false}, {false, true, false, false, std::nullopt}},
        {"table changed", {0, 0, true, false, false}, {false, false, true, false, std::nullopt}},
        {"clipboard text, no calculator",
         {0, 0, false, true, false},
         {false, false, false, true, std::nullopt}},
        {"clipboard text, calculator open",
         {0, 0, false, true, true},
         {false, false, false, true, true}},
        {"no clipboard text, calculator open",
         {0, 0, false, false, true},
         {false, false, false, false, false}},
        {"everything", {2, 7, true, true, true}, {true, true, true, true, true}},
    };
    for (const RefreshCase& c : cases)
        EXPECT_EQ(menuRefresh(c.in), c.out) << c.name;
}

TEST(MenuRefreshTest, CountsOnlyGroupNodes) {
    const std::set<int> open{1, 2, 4, 6}; // the root and node 6 are no groups of three
    const auto expanded = [&](int node) { return open.count(node) > 0; };
    EXPECT_EQ(countExpandedGroups(3, expanded), 2); // nodes 2 and 4 of 2..4
    EXPECT_EQ(countExpandedGroups(0, expanded), 0);
    EXPECT_EQ(countExpandedGroups(5, expanded), 3); // nodes 2, 4, 6 of 2..6
}

// ---- Tree context menu ----
// Two groups: 1 root, 2 and 3 groups, 4 Number System, 5 Constants, 6.. categories.

struct TreeCase {
    const char* name;
    int node, parent, groups;
    bool modify;
    TreeMenuPlan plan;
};

TEST(TreeMenuPlanTest, EveryKindOfNode) {
    using P = TreePopup;
    const TreeCase cases[] = {
        {"root", 1, 0, 2, true, {P::EditCategory, "Add", false, std::nullopt}},
        {"root, modify off", 1, 0, 2, false, {}},
        {"no node", 0, 0, 2, true, {}},
        {"first group", 2, 1, 2, true, {P::EditCategory, "Add...", false, std::nullopt}},
        {"second group", 3, 1, 2, true, {P::EditCategory, "Add...", true, std::nullopt}},
        {"number system", 4, 1, 2, true, {P::EditGroup, "Add...", std::nullopt, false}},
        {"constants", 5, 1, 2, true, {P::EditGroup, "Add...", std::nullopt, false}},
        {"category in a group", 6, 2, 2, true, {P::EditGroup, std::nullopt, std::nullopt, true}},
        {"category in the second group",
         9,
         3,
         2,
         true,
         {P::EditGroup, std::nullopt, std::nullopt, true}},
        {"category, modify off", 6, 2, 2, false, {}},
        {"group, modify off", 3, 1, 2, false, {}},
        // Without groups node 2 is the number-system category, not a group.
        {"no groups: number system", 2, 1, 0, true, {P::EditGroup, "Add...", std::nullopt, false}},
        {"no groups: constants", 3, 1, 0, true, {P::EditGroup, "Add...", std::nullopt, false}},
        {"one group: the group", 2, 1, 1, true, {P::EditCategory, "Add...", false, std::nullopt}},
        {"one group: its category",
         5,
         2,
         1,
         true,
         {P::EditGroup, std::nullopt, std::nullopt, true}},
    };
    for (const TreeCase& c : cases)
        EXPECT_EQ(treeMenuPlan(c.node, c.parent, c.groups, c.modify), c.plan) << c.name;
}

// ---- Unit list context menu ----

struct UnitCase {
    const char* name;
    bool onRow;
    int selNode, groups;
    bool modify;
    int rows;
    UnitMenuPlan plan;
};

TEST(UnitMenuPlanTest, RowsAndEmptySpace) {
    using S = UnitMenuPlan::Show;
    const auto none = std::nullopt;
    const UnitCase cases[] = {
        {"row of a category, modify on",
         true,
         6,
         2,
         true,
         5,
         {S::AfterLongPress, true, "&Insert...", true, true, true, true, none}},
        {"row of a category, modify off",
         true,
         6,
         2,
         false,
         5,
         {S::AfterLongPress, true, "&Insert...", false, false, false, true, none}},
        {"row of constants, modify on",
         true,
         5,
         2,
         true,
         1,
         {S::AfterLongPress, true, "&Insert...", true, true, true, true, none}},
        {"row of number system, modify on",
         true,
         4,
         2,
         true,
         4,
         {S::AfterLongPress, false, "&Insert...", false, false, false, true, none}},
        {"row of number system, modify off",
         true,
         4,
         2,
         false,
         4,
         {S::AfterLongPress, false, "&Insert...", false, false, false, true, none}},
        {"empty space of a category",
         false,
         6,
         2,
         true,
         5,
         {S::AtOnce, false, "&Add...", true, false, true, false, int16_t{5}}},
        {"empty space of an empty category",
         false,
         7,
         2,
         true,
         0,
         {S::AtOnce, false, "&Add...", true, false, true, false, int16_t{0}}},
        {"empty space of constants",
         false,
         5,
         2,
         true,
         1,
         {S::AtOnce, false, "&Add...", true, false, true, false, int16_t{1}}},
        {"empty space of number system",
         false,
         4,
         2,
         true,
         4,
         {S::AtOnce, false, "&Add...", false, false, true, false, int16_t{4}}},
        {"empty space, modify off", false, 6, 2, false, 5, {}},
        {"empty space under a group", false, 2, 2, true, 0, {}},
        {"empty space under the root", false, 1, 2, true, 0, {}},
    };
    for (const UnitCase& c : cases)
        EXPECT_EQ(unitMenuPlan(c.onRow, c.selNode, c.groups, c.modify, c.rows), c.plan) << c.name;
}

// ---- Long press ----

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
    EXPECT_FALSE(lp.tick());
    EXPECT_FALSE(lp.tick());
    EXPECT_FALSE(lp.tick());
    lp.stop();
    EXPECT_FALSE(lp.tick()); // ticks after the click do nothing
    lp.start(500);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(lp.tick()) << i; // a full delay again
    EXPECT_TRUE(lp.tick());
}

// ---- Toolbar layout ----

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
    EXPECT_EQ(decodeToolbarLayout(""), std::nullopt);
    EXPECT_EQ(decodeToolbarLayout("AAAA"), std::nullopt);       // no separator
    EXPECT_EQ(decodeToolbarLayout("AA;A|Print"), std::nullopt); // not base64
    EXPECT_EQ(decodeToolbarLayout("AA A|"), std::nullopt);
    const auto l = decodeToolbarLayout("AAAA|Print,,Bogus, Find ,Print,print");
    ASSERT_TRUE(l);
    EXPECT_EQ(l->state, "AAAA");
    EXPECT_EQ(l->hidden, (std::vector<std::string>{"Print", "Find"})); // keys are case-sensitive
}

// ---- File dialog filter ----

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
