#include "mainwindow/viewlogic.h"

#include "editing/editingtestutil.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qm {
namespace {

class ViewLogic : public ::testing::Test {
  protected:
    Program p;

    void SetUp() override { p.table = test::readTable(test::sampleTableText()); }

    std::vector<TreeNode> nodes() const { return buildTreeNodes(p.table, "sample.dat"); }
};

TEST_F(ViewLogic, TreeNodesAreNumberedInInsertionOrder) {
    // index parent text kind(R root, G group, C category) image category expanded
    const std::vector<std::string> want = {
        "1 0 sample.dat R 2 -1 1",   "2 1 Space G 2 -1 1",    "3 1 Mechanics G 1 -1 0",
        "4 1 Number System C 2 1 0", "5 1 Constants C 2 2 0", "6 2 Length C 1 3 0",
        "7 2 Area C 1 5 0",          "8 3 Mass C 3 4 0",      "9 3 Temperature C 4 6 0"};
    std::vector<std::string> got;
    for (const TreeNode& n : nodes()) {
        const char kind = n.kind == NodeKind::Root ? 'R' : n.kind == NodeKind::Group ? 'G' : 'C';
        got.push_back(std::to_string(n.index) + " " + std::to_string(n.parent) + " " + n.text +
                      " " + kind + " " + std::to_string(n.image) + " " +
                      std::to_string(n.category) + " " + (n.expanded ? "1" : "0"));
    }
    EXPECT_EQ(got, want);
}

TEST_F(ViewLogic, ArrangingByNameSortsOnlyTheGroupsChildren) {
    // Lower-case names would sort after capitals in a byte order; the views
    // ignore letter case.
    p.table.psCategoryName[4] = "mass";
    const auto n = buildTreeNodes(p.table, "sample.dat");
    const std::tuple<int, bool, std::vector<int>> cases[] = {
        {1, true, {2, 3, 4, 5}},                    // the root's children never move
        {2, false, {6, 7}},      {2, true, {7, 6}}, // Length, Area -> Area, Length
        {3, true, {8, 9}},                          // mass, Temperature
        {6, true, {}},
    };
    for (const auto& [parent, sortGroup, order] : cases)
        EXPECT_EQ(childrenInDisplayOrder(n, parent, sortGroup), order) << parent;
}

TEST_F(ViewLogic, ListRowsInUnitOrderOrByNameIgnoringCase) {
    // A new name for unit 5 or nullptr, sorted, descending, the units in the rows.
    const std::tuple<const char*, bool, bool, std::vector<int16_t>> cases[] = {
        {nullptr, false, true, {1, 2, 3, 4, 5}},  // the order only counts while sorted
        {nullptr, true, false, {2, 4, 3, 1, 5}},  // Foot, Foot, inch, metre, Yard
        {nullptr, true, true, {5, 1, 3, 2, 4}},   // equal names keep their unit order
        {"inches", true, false, {2, 4, 3, 5, 1}}, // a name before the longer name it begins
        {"IN", true, false, {2, 4, 5, 3, 1}}};
    for (const auto& [rename, sortUnit, descending, units] : cases) {
        if (rename) p.table.unit(3, 5).Name = rename;
        std::vector<int16_t> got;
        for (const ListRow& r : listRows(p.table, 3, sortUnit, descending))
            got.push_back(r.unit);
        EXPECT_EQ(got, units) << (rename ? rename : "") << sortUnit << descending;
    }
    const auto rows = listRows(p.table, 2, false, false);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text + "|" + rows[0].col1 + "|" + rows[0].col2 + std::to_string(rows[0].icon),
              "Speed of light|299792458|m/s3");
    EXPECT_TRUE(listRows(p.table, -1, false, false).empty() &&
                listRows(p.table, 101, false, false).empty());
}

TEST_F(ViewLogic, LayoutsAndColumns) {
    std::string layouts;
    for (int16_t node = 1; node <= 9; ++node)
        layouts += std::to_string(headerLayoutFor(p.table, node));
    EXPECT_EQ(layouts, "000210000");

    Settings s;
    s.HeaderText[0][1] = "";
    s.HeaderText[2][1] = "Stored"; // the number-system layout never shows it
    s.HeaderWidth[0][2] = 100;
    s.HeaderWidth[1][0] = 239.5f;
    s.HeaderWidth[2][0] = 240;
    const auto texts = [&](int layout) {
        std::string out;
        for (const ColumnSpec& c : prepareColumns(s, layout))
            out += c.text + "|";
        return out;
    };
    EXPECT_EQ(texts(0) + texts(1) + texts(2) + texts(3),
              "Unit Name| |Offset|Quantity|Value|Unit|Numerical Notation| | |");
    EXPECT_FLOAT_EQ(prepareColumns(s, 0)[2].widthTwips, 240);
    EXPECT_FLOAT_EQ(s.HeaderWidth[1][0], 240); // every layout is mended
    EXPECT_FLOAT_EQ(s.HeaderWidth[2][0], 240);
}

TEST(ColumnRebuild, OnlyWhenTheLayoutShownIsAnother) {
    // The layout shown, the unit headers shown, the layout wanted, rebuilt.
    const std::tuple<int16_t, bool, int16_t, bool> cases[] = {
        {0, false, 0, true},  {0, true, 0, false},  {0, false, 2, true}, {0, true, 2, true},
        {2, false, 2, false}, {1, false, 1, false}, {1, false, 2, true}, {2, false, 0, true}};
    for (const auto& [shown, unitHeaders, layout, rebuild] : cases) {
        Selection sel;
        sel.pnHeaderIndex = shown;
        sel.pbUnitHeaders = unitHeaders;
        EXPECT_EQ(columnsNeedRebuild(sel, layout), rebuild)
            << shown << unitHeaders << " -> " << layout;
    }
}

TEST_F(ViewLogic, CaptionNamesOnlyACategoryThatIsSelected) {
    // Node 10 is beyond the tree; for node 6 no name is known.
    const std::tuple<int16_t, const char*, const char*> cases[] = {
        {1, "Name", ""},        {3, "Name", ""},  {4, "Name", " - Name"},
        {9, "Name", " - Name"}, {10, "Name", ""}, {6, "", ""}};
    for (const auto& [node, name, want] : cases)
        EXPECT_EQ(captionFor(" Quantimetrix", p.table, node, name),
                  std::string(" Quantimetrix") + want)
            << node;
    // Before a table is read (or after a failed read) no node is a category.
    EXPECT_EQ(captionFor(" Quantimetrix", ConversionTable{}, 6, "Name"), " Quantimetrix");
}

TEST_F(ViewLogic, RestoredSelectionHighlightsACollapsedParent) {
    // Node 6 is inside the expanded group, node 9 inside the collapsed one, whose group
    // is highlighted: "node highlighted category number".
    const auto n = nodes();
    std::string got;
    for (int16_t node : {1, 6, 9, 4, 5}) {
        const RestoredSelection r = restoreSelection(p.table, n, node);
        got += std::to_string(node) + " " + std::to_string(r.highlightNode) + " " +
               r.categoryName.value_or("-") + " " + std::to_string(r.category) + "|";
    }
    EXPECT_EQ(got, "1 1 - -1|6 6 Length 3|9 3 Temperature 6|4 4 Number System 1|5 5 Constants 2|");
}

TEST_F(ViewLogic, UnitsAreChosenOnlyInCategoriesOtherThanConstants) {
    std::string got;
    for (int16_t node = 1; node <= 9; ++node)
        got += unitsSelectable(p.table, node) ? '1' : '0';
    EXPECT_EQ(got, "000101111");
}

TEST_F(ViewLogic, ConversionRunsOnlyWithBothUnitsOfTheCategoryShown) {
    const std::tuple<int16_t, int16_t, UnitChoice, bool> cases[] = {
        // node, category
        {6, 3, {"metre", "Yard", 1, 5}, true},
        {6, 3, {"metre", "", 1, 5}, false},      // one panel empty
        {6, 3, {"", "Yard", 1, 5}, false},       // the other
        {7, 5, {"", "", 1, 2}, false},           // Area after Length: the numbers are stale
        {7, 5, {"metre", "Yard", 1, 5}, false},  // Area has one unit
        {1, -1, {"metre", "Yard", 1, 5}, false}, // the root
        {5, 2, {"c", "c", 1, 1}, false},         // Constants
        {4, 1, {"Decimal", "Binary", 3, 1}, true},
        {6, 3, {"metre", "Yard", 0, 5}, false}};
    for (const auto& [node, category, c, ready] : cases)
        EXPECT_EQ(conversionReady(p.table, node, category, c), ready)
            << node << " " << c.fromName << "/" << c.intoName << " " << c.from << "/" << c.into;
}

TEST(RenameClicks, OnlyASecondSingleClickOnTheSelectedItemAfterTheInterval) {
    // Each step: a press (item, time, the item was selected before it; no
    // press for the second click of a double-click, which comes as a
    // double-click), the release (item under it, time) and whether that click
    // starts editing. The double-click interval is 400 ms.
    using Step = std::tuple<int, long long, bool, bool, int, long long, bool>;
    const Step first{3, 0, false, false, 3, 50, false};
    const std::vector<std::pair<const char*, std::vector<Step>>> cases = {
        {"second click later", {first, {3, 900, true, false, 3, 950, true}}},
        {"within the interval", {first, {3, 300, true, false, 3, 350, false}}},
        {"exactly the interval", {first, {3, 450, true, false, 3, 460, true}}},
        {"a double-click", {first, {3, 500, true, true, 3, 600, false}}},
        {"after a double-click",
         {first, {3, 200, true, true, 3, 250, false}, {3, 900, true, false, 3, 950, true}}},
        {"highlight moved away", {first, {3, 900, false, false, 3, 950, false}}},
        {"another item between",
         {first, {4, 900, false, false, 4, 950, false}, {3, 1900, true, false, 3, 1950, false}}},
        {"released elsewhere", {first, {3, 900, true, false, 4, 950, false}}},
        {"empty space", {{0, 0, true, false, 0, 50, false}, {0, 900, true, false, 0, 950, false}}}};
    for (const auto& [name, steps] : cases) {
        RenameClicks r;
        for (const auto& [item, press, wasSelected, doubleClick, over, release, edit] : steps) {
            if (!doubleClick) r.press(item, press, wasSelected);
            EXPECT_EQ(r.release(over, release, 400), edit) << name << " at " << press;
        }
    }
    RenameClicks r; // a refill forgets the clicked row
    r.press(2, 0, false);
    r.release(2, 10, 400);
    r.forget();
    r.press(2, 900, true);
    EXPECT_FALSE(r.release(2, 950, 400));
}

TEST_F(ViewLogic, RenamingTreeNodesAndUnits) {
    p.sel.psSelGroupName = "Length";
    p.pnSelNodeIndex() = 2;
    EXPECT_FALSE(renameTreeNode(p, 2, -1, "Geometry").has_value());
    EXPECT_EQ(p.sel.psSelGroupName, "Geometry"); // the delete question names it so
    EXPECT_TRUE(p.table.pbTableChanged);
    EXPECT_FALSE(renameTreeNode(p, 1, -1, "root text").has_value());
    EXPECT_EQ(renameTreeNode(p, 6, 3, "Distance").value_or(""), " Quantimetrix - Distance");
    EXPECT_EQ(p.table.psCatGroupName[0] + "|" + p.table.psCatGroupName[1] + "|" +
                  p.table.psCategoryName[3] + "|" + p.sel.psSelGroupName,
              "root text|Geometry|Distance|Distance");

    p.table.pbTableChanged = false;
    renameUnit(p, 3, 4, "Survey foot");
    EXPECT_EQ(p.table.unit(3, 4).Name + "|" + p.table.unit(3, 2).Name, "Survey foot|Foot");
    EXPECT_TRUE(p.table.pbTableChanged);
    renameUnit(p, 3, 500, "beyond"); // outside the table: nothing written, no crash
}

TEST(CopyTexts, ConversionResultIsCutBeforeThePlusMinusSign) {
    const std::string pm = "\xC2\xB1", out = "3.04800 " + pm + "1.00E-03";
    const std::vector<std::tuple<std::string, bool, std::string>> cases = {
        {out, true, "3.04800"},
        {out, false, out},
        {"Input error", true, "Input error"}, // no sign: the whole text
        {"  12.5  ", false, "12.5"},
        {pm + "0", true, ""}};
    for (const auto& [output, showError, clip] : cases)
        EXPECT_EQ(conversionClipText(output, showError), clip) << output;
    EXPECT_EQ(conversionHistoryText("10", "Foot", out, "metre"), "10 Foot = " + out + " metre");
    EXPECT_EQ(conversionHistoryText("", "", "", "") + "|" + calculationHistoryText("2*3", "6") +
                  "|" + calculationHistoryText(" ", ""),
              "=|2*3 = 6|=");
}

TEST_F(ViewLogic, UnitPropertiesOutsideTheTableAreEmpty) {
    EXPECT_EQ(unitPropertiesText(p.table, 3, 0) + unitPropertiesText(p.table, -1, 1) +
                  unitPropertiesText(p.table, 3, 9999),
              "");
}

TEST(History, NewestFirstAndAtMostEight) {
    ConversionHistory h;
    for (const char* t : {"a", "b", "c", "d", "e", "f", "g", "h"})
        h.add(t);
    h.add("i"); // the ninth drops the oldest
    h.add("");  // an empty text is an entry too
    const std::array<std::string, 8> want{"", "i", "h", "g", "f", "e", "d", "c"};
    EXPECT_TRUE(h.entries == want && h.count == 8);
}

TEST(Colors, StoredValuesDecode) {
    const auto tie = [](const ColorValue& c) {
        return std::tuple(c.system, c.index, c.red, c.green, c.blue);
    };
    EXPECT_EQ(tie(decodeColor(0x123456)), std::tuple(false, 0, 0x56, 0x34, 0x12)); // blue first
    EXPECT_EQ(tie(decodeColor(kSystemMenuColor)), std::tuple(true, 4, 0, 0, 0));
}

TEST_F(ViewLogic, RowsNamingTheChosenUnitsAreMarked) {
    using M = UnitMark;
    const std::vector<std::string> rows = {"metre", "Foot", "inch", "Foot", "Yard", "none"};
    const M n = M::None;
    // The choice, units selectable, the marks, which boxes show a placeholder.
    const std::tuple<UnitChoice, bool, std::vector<M>, bool, bool> cases[] = {
        {{"", "", 0, 0}, true, {n, n, n, n, n, n}, true, true},
        {{"metre", "Yard", 1, 5}, true, {M::From, n, n, n, M::Into, n}, false, false},
        {{"Yard", "metre", 5, 1}, true, {M::Into, n, n, n, M::From, n}, false, false},
        {{"inch", "", 3, 1}, true, {n, n, M::From, n, n, n}, false, true}, // stale index
        {{"", "Foot", 1, 2}, true, {n, M::Into, n, M::Into, n, n}, true, false},
        {{"Foot", "Foot", 2, 2}, true, {n, M::Both, n, M::Both, n, n}, false, false},
        {{"", "", 0, 0}, false, {n, n, n, n, n, n}, false, false}};
    for (const auto& [choice, selectable, marks, input, output] : cases) {
        const std::string what = choice.fromName + "/" + choice.intoName;
        EXPECT_EQ(listRowMarks(p.table, 3, rows, choice), marks) << what;
        const BoxPlaceholders b = boxPlaceholders(choice, selectable);
        EXPECT_EQ(std::pair(b.input.empty(), b.output.empty()), std::pair(!input, !output)) << what;
    }
    EXPECT_EQ(listRowMarks(p.table, -1, rows, {"metre", "Yard", 1, 5}),
              std::vector<M>(rows.size(), n)); // no category: no unit named
}

TEST(Paste, InputTakesTheFirstLineWithoutOuterBlanks) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"12.5\n", "12.5"},  {"  12.5 \r\n", "12.5"}, {"\r\n\n 3e5\t\n", "3e5"}, {"1\n2\n", "1"},
        {"1,5\r\n7", "1,5"}, {"12.5 \n 3", "12.5"},   {"1 000", "1 000"},        {"", ""},
        {" \n\t", ""},       {"\t-4\t", "-4"}};
    for (const auto& [clip, want] : cases)
        EXPECT_EQ(pastedInputText(clip), want) << clip;
}

} // namespace
} // namespace qm
