#include "mainwindow/viewlogic.h"

#include "common/sampletable.h"
#include "core/recordingprompt.h"
#include "table/tablereader.h"

#include <gtest/gtest.h>

#include <string_view>

namespace qm {
namespace {

class ViewLogic : public ::testing::Test {
  protected:
    Program p;
    RecordingPrompt prompt;

    void SetUp() override {
        const std::vector<std::string> text = test::sampleTableLines();
        const std::vector<std::string_view> lines(text.begin(), text.end());
        ReadContext ctx{prompt, DecimalSettings{}, "/nonexistent/"};
        ASSERT_EQ(pReadTableLines(p.table, lines, ctx), 0);
        ASSERT_TRUE(prompt.messages.empty());
    }

    std::vector<TreeNode> nodes() const { return buildTreeNodes(p.table, "sample.dat"); }
};

TEST_F(ViewLogic, TreeNodesAreNumberedInInsertionOrder) {
    struct Want {
        int index, parent;
        const char* text;
        NodeKind kind;
        int image, category;
        bool expanded;
    };
    const std::vector<Want> want = {
        {1, 0, "sample.dat", NodeKind::Root, 2, -1, true},
        {2, 1, "Space", NodeKind::Group, 2, -1, true},
        {3, 1, "Mechanics", NodeKind::Group, 1, -1, false},
        {4, 1, "Number System", NodeKind::Category, 2, 1, false},
        {5, 1, "Constants", NodeKind::Category, 2, 2, false},
        {6, 2, "Length", NodeKind::Category, 1, 3, false},
        {7, 2, "Area", NodeKind::Category, 1, 5, false},
        {8, 3, "Mass", NodeKind::Category, 3, 4, false},
        {9, 3, "Temperature", NodeKind::Category, 4, 6, false},
    };
    const auto got = nodes();
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(want[i].text);
        EXPECT_EQ(got[i].index, want[i].index);
        EXPECT_EQ(got[i].parent, want[i].parent);
        EXPECT_EQ(got[i].text, want[i].text);
        EXPECT_EQ(got[i].kind, want[i].kind);
        EXPECT_EQ(got[i].image, want[i].image);
        EXPECT_EQ(got[i].category, want[i].category);
        EXPECT_EQ(got[i].expanded, want[i].expanded);
    }
}

TEST_F(ViewLogic, ArrangingByNameSortsOnlyTheGroupsChildren) {
    struct Case {
        int parent;
        bool sortGroup;
        std::vector<int> order;
    };
    // Lower-case names would sort after capitals in a byte order; the views
    // ignore letter case.
    p.table.psCategoryName[4] = "mass";
    const auto n = buildTreeNodes(p.table, "sample.dat");
    const std::vector<Case> cases = {
        {1, false, {2, 3, 4, 5}},
        {1, true, {2, 3, 4, 5}}, // the root's children never move
        {2, false, {6, 7}},
        {2, true, {7, 6}}, // Length, Area -> Area, Length
        {3, false, {8, 9}},
        {3, true, {8, 9}}, // mass, Temperature
        {6, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parent);
        EXPECT_EQ(childrenInDisplayOrder(n, c.parent, c.sortGroup), c.order);
    }
}

TEST_F(ViewLogic, ListRowsInUnitOrderOrByNameIgnoringCase) {
    struct Case {
        bool sortUnit, descending;
        std::vector<int16_t> units;
    };
    const std::vector<Case> cases = {
        {false, false, {1, 2, 3, 4, 5}},
        {false, true, {1, 2, 3, 4, 5}}, // the order only counts while sorted
        {true, false, {2, 4, 3, 1, 5}}, // Foot, Foot, inch, metre, Yard
        {true, true, {5, 1, 3, 2, 4}},  // equal names keep their unit order
    };
    for (const Case& c : cases) {
        std::vector<int16_t> got;
        for (const ListRow& r : listRows(p.table, 3, c.sortUnit, c.descending))
            got.push_back(r.unit);
        EXPECT_EQ(got, c.units) << c.sortUnit << c.descending;
    }
    const auto rows = listRows(p.table, 2, false, false);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text, "Speed of light");
    EXPECT_EQ(rows[0].col1, "299792458");
    EXPECT_EQ(rows[0].col2, "m/s");
    EXPECT_EQ(rows[0].icon, 3);
    EXPECT_TRUE(listRows(p.table, -1, false, false).empty());
    EXPECT_TRUE(listRows(p.table, 101, false, false).empty());
}

TEST_F(ViewLogic, LayoutsAndColumns) {
    EXPECT_EQ(headerLayoutFor(p.table, 4), 2);
    EXPECT_EQ(headerLayoutFor(p.table, 5), 1);
    for (int16_t node : {1, 2, 3, 6, 9})
        EXPECT_EQ(headerLayoutFor(p.table, node), 0) << node;

    Settings s;
    s.HeaderText[0][1] = "";
    s.HeaderWidth[0][2] = 100;
    s.HeaderWidth[1][0] = 239.5f;
    s.HeaderWidth[2][0] = 240;
    const auto units = prepareColumns(s, 0);
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[0].text, "Unit Name");
    EXPECT_EQ(units[1].text, " ");
    EXPECT_FLOAT_EQ(units[2].widthTwips, 240);
    EXPECT_FLOAT_EQ(s.HeaderWidth[1][0], 240); // every layout is mended
    EXPECT_EQ(s.HeaderText[2][1], " ");
    const auto numbers = prepareColumns(s, 2);
    EXPECT_EQ(numbers[0].text, "Numerical Notation");
    EXPECT_EQ(numbers[1].text, " ");
    EXPECT_EQ(numbers[2].text, " ");
    EXPECT_FLOAT_EQ(numbers[0].widthTwips, 240);
    EXPECT_EQ(prepareColumns(s, 1)[2].text, "Unit");
    EXPECT_TRUE(prepareColumns(s, 3).empty());
}

TEST_F(ViewLogic, CaptionNamesOnlyCategories) {
    struct Case {
        int16_t node;
        const char* want;
    };
    for (const Case& c : std::vector<Case>{{1, " Quantimetrix"},
                                           {3, " Quantimetrix"},
                                           {4, " Quantimetrix - Name"},
                                           {9, " Quantimetrix - Name"}})
        EXPECT_EQ(captionFor(" Quantimetrix", p.table, c.node, "Name"), c.want) << c.node;
}

TEST_F(ViewLogic, RestoredSelectionHighlightsACollapsedParent) {
    struct Case {
        int16_t node;
        int highlight;
        const char* category; // nullptr: none
        int16_t number;
    };
    const auto n = nodes();
    const std::vector<Case> cases = {
        {1, 1, nullptr, -1},        {6, 6, "Length", 3}, // inside the expanded group
        {9, 3, "Temperature", 6}, // inside the collapsed group: the group is highlighted
        {4, 4, "Number System", 1}, {5, 5, "Constants", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        const RestoredSelection r = restoreSelection(p.table, n, c.node);
        EXPECT_EQ(r.highlightNode, c.highlight);
        EXPECT_EQ(r.categoryName.has_value(), c.category != nullptr);
        if (c.category) {
            EXPECT_EQ(*r.categoryName, c.category);
        }
        EXPECT_EQ(r.category, c.number);
    }
}

TEST_F(ViewLogic, UnitsAreChosenOnlyInCategoriesOtherThanConstants) {
    const std::vector<std::pair<int16_t, bool>> cases = {
        {1, false}, {2, false}, {3, false}, {4, true}, {5, false}, {6, true}, {9, true}};
    for (const auto& [node, want] : cases)
        EXPECT_EQ(unitsSelectable(p.table, node), want) << node;
}

TEST_F(ViewLogic, DuplicateUnitNamesResolveToTheFirst) {
    EXPECT_EQ(pMatchUnitIndex(p.table, 3, "Foot"), 2);
    EXPECT_EQ(pMatchUnitIndex(p.table, 3, "foot"), 0);
    EXPECT_EQ(pMatchGroupIndex(p.table, "Temperature"), 6);
}

TEST_F(ViewLogic, RenamingTreeNodesAndUnits) {
    p.sel.psSelGroupName = "Length";
    EXPECT_FALSE(renameTreeNode(p, 2, -1, "Geometry").has_value());
    EXPECT_EQ(p.table.psCatGroupName[1], "Geometry");
    EXPECT_TRUE(p.table.pbTableChanged);
    EXPECT_FALSE(renameTreeNode(p, 1, -1, "root text").has_value());
    EXPECT_EQ(p.table.psCatGroupName[0], "root text");
    const auto caption = renameTreeNode(p, 6, 3, "Distance");
    ASSERT_TRUE(caption.has_value());
    EXPECT_EQ(*caption, " Quantimetrix - Distance");
    EXPECT_EQ(p.table.psCategoryName[3], "Distance");
    EXPECT_EQ(p.sel.psSelGroupName, "Distance");

    p.table.pbTableChanged = false;
    renameUnit(p, 3, 4, "Survey foot");
    EXPECT_EQ(p.table.unit(3, 4).Name, "Survey foot");
    EXPECT_EQ(p.table.unit(3, 2).Name, "Foot");
    EXPECT_TRUE(p.table.pbTableChanged);
    renameUnit(p, 3, 500, "beyond"); // outside the table: nothing written, no crash
}

TEST(CopyTexts, ConversionResultIsCutBeforeThePlusMinusSign) {
    struct Case {
        const char* output;
        bool showError;
        const char* clip;
    };
    const std::vector<Case> cases = {
        {"3.04800 \xC2\xB1"
         "1.00E-03",
         true, "3.04800"},
        {"3.04800 \xC2\xB1"
         "1.00E-03",
         false,
         "3.04800 \xC2\xB1"
         "1.00E-03"},
        {"Input error", true, "Input error"}, // no sign: the whole text
        {"", true, ""},
        {"  12.5  ", false, "12.5"},
        {"\xC2\xB1"
         "0",
         true, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(conversionClipText(c.output, c.showError), c.clip) << c.output;
}

TEST(CopyTexts, HistoryTexts) {
    EXPECT_EQ(conversionHistoryText("10", "Foot",
                                    "3.04800 \xC2\xB1"
                                    "1.00E-03",
                                    "metre"),
              "10 Foot = 3.04800 \xC2\xB1"
              "1.00E-03 metre");
    EXPECT_EQ(conversionHistoryText("", "", "", ""), "=");
    EXPECT_EQ(calculationHistoryText("2*3", "6"), "2*3 = 6");
    EXPECT_EQ(calculationHistoryText("", ""), "=");
}

TEST_F(ViewLogic, UnitPropertiesJoinedByBlanks) {
    EXPECT_EQ(unitPropertiesText(p.table, 3, 2), "Foot 0.3048 0 0.0001 0 international foot");
    EXPECT_EQ(unitPropertiesText(p.table, 3, 3), "inch 0.0254 0 0 0");
    EXPECT_EQ(unitPropertiesText(p.table, 3, 0), "");
    EXPECT_EQ(unitPropertiesText(p.table, -1, 1), "");
    EXPECT_EQ(unitPropertiesText(p.table, 3, 9999), "");
}

TEST(History, NewestFirstAndAtMostEight) {
    ConversionHistory h;
    EXPECT_EQ(h.count, 0);
    h.add("a");
    h.add("b");
    EXPECT_EQ(h.count, 2);
    EXPECT_EQ(h.entries[0], "b");
    EXPECT_EQ(h.entries[1], "a");
    for (const char* t : {"c", "d", "e", "f", "g", "h"})
        h.add(t);
    EXPECT_EQ(h.count, 8);
    EXPECT_EQ(h.entries[7], "a");
    h.add("i"); // the ninth drops the oldest
    EXPECT_EQ(h.count, 8);
    const std::array<std::string, 8> want{"i", "h", "g", "f", "e", "d", "c", "b"};
    EXPECT_EQ(h.entries, want);
    h.add("");
    EXPECT_EQ(h.entries[0], "");
    EXPECT_EQ(h.entries[7], "c");
}

TEST(Swap, ExchangesNamesAndUnits) {
    UnitChoice c{"Foot", "", 2, 0};
    EXPECT_FALSE(c.bothChosen());
    swapUnits(c);
    EXPECT_EQ(c.fromName, "");
    EXPECT_EQ(c.intoName, "Foot");
    EXPECT_EQ(c.from, 0);
    EXPECT_EQ(c.into, 2);
    UnitChoice d{"metre", "Yard", 1, 5};
    EXPECT_TRUE(d.bothChosen());
    swapUnits(d);
    swapUnits(d);
    EXPECT_EQ(d.fromName, "metre");
    EXPECT_EQ(d.into, 5);
}

TEST(Hints, Texts) {
    EXPECT_EQ(pHintText(0, ""), "The category tree can be scrolled by mouse only when not sorted.");
    EXPECT_EQ(pHintText(3, ""), "The list item can be moved only when the list is not sorted.");
    EXPECT_EQ(pHintText(4, ""), "Rename the new item immediately after added.");
    EXPECT_EQ(pHintText(5, "comma"), "Only a comma is recognized as decimal separator.");
    EXPECT_EQ(pHintText(5, ""), "Only a  is recognized as decimal separator.");
    EXPECT_EQ(pHintText(6, "comma"), "");
    EXPECT_EQ(pHintText(-1, "comma"), "");
}

TEST(Colors, StoredValuesDecode) {
    const ColorValue white = decodeColor(16777215);
    EXPECT_FALSE(white.system);
    EXPECT_EQ(white.red + white.green + white.blue, 765);
    const ColorValue c = decodeColor(0x123456); // blue 0x12, green 0x34, red 0x56
    EXPECT_EQ(c.red, 0x56);
    EXPECT_EQ(c.green, 0x34);
    EXPECT_EQ(c.blue, 0x12);
    const ColorValue menu = decodeColor(kSystemMenuColor);
    EXPECT_TRUE(menu.system);
    EXPECT_EQ(menu.index, 4);
}

TEST_F(ViewLogic, RowsNamingTheChosenUnitsAreMarked) {
    using M = UnitMark;
    const std::vector<std::string> rows = {"metre", "Foot", "inch", "Foot", "Yard", "none"};
    struct Case {
        UnitChoice choice;
        bool selectable;
        std::vector<M> marks;
        const char* input;  // placeholder of the convert-from box
        const char* output; // placeholder of the convert-into box
    };
    const char* left = "Left-click a unit to convert from";
    const char* right = "Right-click a unit to convert into";
    const M n = M::None;
    const std::vector<Case> cases = {
        {{"", "", 0, 0}, true, {n, n, n, n, n, n}, left, right},
        {{"metre", "Yard", 1, 5}, true, {M::From, n, n, n, M::Into, n}, "", ""},
        {{"Yard", "metre", 5, 1}, true, {M::Into, n, n, n, M::From, n}, "", ""},
        {{"inch", "", 3, 1}, true, {n, n, M::From, n, n, n}, "", right}, // stale index
        {{"", "Foot", 1, 2}, true, {n, M::Into, n, M::Into, n, n}, left, ""},
        {{"Foot", "Foot", 2, 2}, true, {n, M::Both, n, M::Both, n, n}, "", ""},
        {{"", "", 0, 0}, false, {n, n, n, n, n, n}, "", ""},
    };
    for (const Case& c : cases) {
        const std::string what = c.choice.fromName + "/" + c.choice.intoName;
        EXPECT_EQ(listRowMarks(p.table, 3, rows, c.choice), c.marks) << what;
        const BoxPlaceholders b = boxPlaceholders(c.choice, c.selectable);
        EXPECT_EQ(b.input, c.input) << what;
        EXPECT_EQ(b.output, c.output) << what;
    }
    EXPECT_EQ(listRowMarks(p.table, -1, rows, {"metre", "Yard", 1, 5}),
              std::vector<M>(rows.size(), n)); // no category: no unit named
}

TEST(Paste, InputTakesTheFirstLineWithoutOuterBlanks) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"12.5\n", "12.5"},  {"  12.5 \r\n", "12.5"}, {"\r\n\n 3e5\t\n", "3e5"}, {"1\n2\n", "1"},
        {"1,5\r\n7", "1,5"}, {"12.5 \n 3", "12.5"},   {"1 000", "1 000"},        {"", ""},
        {" \n\t", ""},       {"\t-4\t", "-4"},
    };
    for (const auto& [clip, want] : cases)
        EXPECT_EQ(pastedInputText(clip), want) << clip;
}

} // namespace
} // namespace qm
