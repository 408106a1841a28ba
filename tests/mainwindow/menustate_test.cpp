// The main window's command state without windows: the refresh tick, the
// context menus per node and row, the long press, the toolbar's buttons and
// stored layout, and the file dialogs' filter.
#include "mainwindow/menustate.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace qm {
namespace {

TEST(MenuRefreshTest, EachInputDrivesItsOwnItems) {
    const auto none = std::nullopt;
    const std::pair<MenuRefreshInput, MenuRefresh> cases[] = {
        {{0, 0, false, false, false}, {false, false, false, false, none}},
        {{1, 0, false, false, false}, {true, false, false, false, none}}, // one group expanded
        {{3, 0, false, false, false}, {true, false, false, false, none}},
        {{0, 1, false, false, false}, {false, true, false, false, none}}, // the list has a row
        {{0, 0, true, false, false}, {false, false, true, false, none}},  // the table changed
        {{0, 0, false, true, false}, {false, false, false, true, none}},  // clipboard text
        {{0, 0, false, true, true}, {false, false, false, true, true}},   // and the calculator
        {{0, 0, false, false, true}, {false, false, false, false, false}},
        {{2, 7, true, true, true}, {true, true, true, true, true}}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(menuRefresh(in), out) << in.expandedGroups << in.listRows << in.tableChanged
                                        << in.clipboardHasText << in.calculatorShown;
}

TEST(MenuRefreshTest, CountsOnlyGroupNodes) {
    const std::set<int> open{1, 2, 4, 6}; // the root and node 6 are no groups of three
    const auto expanded = [&](int node) { return open.count(node) > 0; };
    // Nodes 2 and 4 of 2..4; none; nodes 2, 4 and 6 of 2..6.
    EXPECT_EQ(std::tuple(countExpandedGroups(3, expanded), countExpandedGroups(0, expanded),
                         countExpandedGroups(5, expanded)),
              std::tuple(2, 0, 3));
}

// Two groups: 1 root, 2 and 3 groups, 4 Number System, 5 Constants, 6.. categories.

TEST(TreeMenuPlanTest, EveryKindOfNode) {
    const auto none = std::nullopt;
    const TreePopup C = TreePopup::EditCategory, G = TreePopup::EditGroup;
    const std::tuple<int, int, int, bool, TreeMenuPlan> cases[] = {
        // node, parent, groups
        {1, 0, 2, true, {C, "Add", false, none}}, // the root
        {1, 0, 2, false, {}},
        {0, 0, 2, true, {}},                         // no node
        {2, 1, 2, true, {C, "Add...", false, none}}, // the first group
        {3, 1, 2, true, {C, "Add...", true, none}},
        {4, 1, 2, true, {G, "Add...", none, false}}, // number system
        {5, 1, 2, true, {G, "Add...", none, false}}, // constants
        {6, 2, 2, true, {G, none, none, true}},      // a category in a group
        {6, 2, 2, false, {}},
        // Without groups node 2 is the number-system category, not a group.
        {2, 1, 0, true, {G, "Add...", none, false}},
        {3, 1, 0, true, {G, "Add...", none, false}},
        {2, 1, 1, true, {C, "Add...", false, none}},
        {5, 2, 1, true, {G, none, none, true}}};
    for (const auto& [node, parent, groups, modify, plan] : cases)
        EXPECT_EQ(treeMenuPlan(node, parent, groups, modify), plan)
            << node << " of " << groups << " groups, modify " << modify;
}

TEST(UnitMenuPlanTest, RowsAndEmptySpace) {
    const auto none = std::nullopt;
    const auto L = UnitMenuPlan::Show::AfterLongPress, O = UnitMenuPlan::Show::AtOnce;
    const std::string ins = "&Insert...", add = "&Add...";
    const std::tuple<bool, int, bool, int, UnitMenuPlan> cases[] = {
        // on a row, node, modify
        {true, 6, true, 5, {L, true, ins, true, true, true, true, none}}, // a row of a category
        {true, 6, false, 5, {L, true, ins, false, false, false, true, none}},
        {true, 5, true, 1, {L, true, ins, true, true, true, true, none}},     // constants
        {true, 4, true, 4, {L, false, ins, false, false, false, true, none}}, // number system
        {false, 6, true, 5, {O, false, add, true, false, true, false, int16_t{5}}},
        {false, 7, true, 0, {O, false, add, true, false, true, false, int16_t{0}}},
        {false, 4, true, 4, {O, false, add, false, false, true, false, int16_t{4}}},
        {false, 6, false, 5, {}},
        {false, 2, true, 0, {}}, // under a group
        {false, 1, true, 0, {}}  // under the root
    };
    for (const auto& [onRow, selNode, modify, rows, plan] : cases)
        EXPECT_EQ(unitMenuPlan(onRow, selNode, 2, modify, rows), plan)
            << onRow << " " << selNode << " " << modify;
}

TEST(LongPressTest, OpensAfterTheDelayDividedByTheInterval) {
    // The delay, the ticks until the menu opens. A click just before stops the press:
    // its next tick does nothing and the next press counts afresh. Once open, nothing more opens.
    const std::pair<int, int> cases[] = {{100, 1}, {500, 5},   {550, 5},
                                         {599, 5}, {2000, 20}, {50, 1}};
    for (const auto& [delay, ticks] : cases) {
        LongPress lp;
        lp.start(delay);
        for (int i = 1; i < ticks; ++i)
            lp.tick();
        lp.stop();
        std::string got(1, lp.tick() ? '1' : '0');
        lp.start(delay);
        for (int i = 0; i <= ticks; ++i)
            got += lp.tick() ? '1' : '0';
        EXPECT_EQ(got + std::to_string(lp.running()) + std::to_string(lp.count()),
                  std::string(ticks, '0') + "1000")
            << delay;
    }
}

TEST(ToolbarLayoutTest, RoundTripDamagedTextsAndUnknownKeys) {
    const ToolbarLayout layouts[] = {
        {"", {}}, {"AAAA/w==", {}}, {"AAAA/w+=", {"Print", "Find"}}, {"", {"Exit"}}};
    for (const ToolbarLayout& l : layouts) {
        const std::string text = encodeToolbarLayout(l);
        EXPECT_EQ(decodeToolbarLayout(text), l) << text;
    }
    EXPECT_EQ(encodeToolbarLayout({"AAAA", {"Print", "Find"}}), "AAAA|Print,Find");
    for (const char* bad : {"", "AAAA" /* no separator */, "AA;A|Print" /* not base64 */, "AA A|"})
        EXPECT_EQ(decodeToolbarLayout(bad), std::nullopt) << bad;
    EXPECT_EQ(decodeToolbarLayout("AAAA|Print,,Bogus, Find ,Print,print"),
              (ToolbarLayout{"AAAA", {"Print", "Find"}})); // keys are case-sensitive
}

TEST(FileFilterTest, WindowsFilterToQt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Data files (*.dat;*.txt)|*.dat;*.txt|All Files (*.*)|*.*|",
         "Data files (*.dat *.txt);;All Files (*)"},
        {"Text|*.txt|", "Text (*.txt)"},
        {"Odd|", "Odd (*)"},
        {"", "All Files (*)"},
        {"Any| |", "Any (*)"}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(qtFileFilter(in), out) << in;
}

} // namespace
} // namespace qm
