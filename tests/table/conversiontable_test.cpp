#include "table/conversiontable.h"

#include "core/runerror.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {
// Two groups, number system and constants under the root, then one category
// in each group.
ConversionTable twoGroupTable() {
    ConversionTable t;
    t.pnCatGroupCount = 2;
    t.psCatGroupName[1] = "Space";
    t.psCatGroupName[2] = "Heat";
    t.pnCategoryCount = 4;
    const char* names[] = {"", "Number System", "Constants", "Length", "Temperature"};
    const int parents[] = {0, 1, 1, 2, 3};
    for (int c = 1; c <= 4; ++c) {
        t.psCategoryName[c] = names[c];
        t.pnNodeCategory[c] = static_cast<int16_t>(c);
        t.pnNodeParent[c] = static_cast<int16_t>(parents[c]);
    }
    t.pnNodeCount = 4;
    return t;
}
} // namespace

TEST(ConversionTable, CreatedEmptyWithTenUnitSlots) {
    ConversionTable t;
    EXPECT_EQ(t.unitDim(), 10);
    EXPECT_EQ(t.units.size(), 101u);
    EXPECT_EQ(t.pnCategoryCount, 0);
    EXPECT_THROW(t.unit(0, 11), RunError);
    EXPECT_THROW(t.unit(101, 1), RunError);
    EXPECT_NO_THROW(t.unit(100, 10));
}

TEST(ConversionTable, ResizeKeepsWhatFitsAndNeverGoesBelowFive) {
    ConversionTable t;
    struct Case {
        int16_t max;
        int dim;
    } cases[] = {{0, 5}, {3, 5}, {4, 5}, {5, 6}, {99, 100}, {7, 8}};
    t.unit(3, 2).Name = "kept";
    for (auto c : cases) {
        t.pnMaxUnitCount = c.max;
        pResizeUnitArrays(t);
        EXPECT_EQ(t.unitDim(), c.dim) << c.max;
        EXPECT_EQ(t.unit(3, 2).Name, "kept");
    }
    t.unit(3, 8).Name = "lost";
    t.pnMaxUnitCount = 0;
    pResizeUnitArrays(t);
    t.pnMaxUnitCount = 10;
    pResizeUnitArrays(t);
    EXPECT_EQ(t.unit(3, 8).Name, "");
}

TEST(ConversionTable, NodeNumberingFollowsGroupsThenOrder) {
    ConversionTable t = twoGroupTable();
    EXPECT_EQ(numberSystemNode(t), 4);
    EXPECT_EQ(constantsNode(t), 5);
    EXPECT_EQ(categoryNode(t, 3), 6);
    EXPECT_EQ(orderOfNode(t, 6), 3);
    EXPECT_EQ(orderOfNode(t, 3), 0); // a group
    EXPECT_EQ(orderOfNode(t, 8), 0); // beyond the last category
}

TEST(ConversionTable, SelectedNodeCheckKeepsOnlyCategoryNodes) {
    const ConversionTable t = twoGroupTable(); // nodes 4..7 are categories
    const std::pair<int16_t, int16_t> cases[] = {{1, 1}, {2, 1}, {3, 1},  {4, 4},
                                                 {7, 7}, {8, 1}, {-5, 1}, {9, 1}};
    for (auto [in, out] : cases) {
        int16_t sel = in;
        pCheckSelNodeIndex(t, sel);
        EXPECT_EQ(sel, out) << in;
    }
}

TEST(ConversionTable, NameLookupsTakeTheLowestExactMatch) {
    ConversionTable t = twoGroupTable();
    t.pnCategoryCount = 6;
    t.psCategoryName[5] = "Length"; // hidden duplicate with a higher number
    EXPECT_EQ(pMatchGroupIndex(t, "Length"), 3);
    EXPECT_EQ(pMatchGroupIndex(t, "length"), -1);
    EXPECT_EQ(pMatchGroupIndex(t, ""), 0); // slot 0 holds an empty name
    EXPECT_EQ(pMatchGroupIndex(t, "Nothing"), -1);

    t.pnUnitCount[3] = 3;
    t.unit(3, 1).Name = "Metre";
    t.unit(3, 2).Name = "Foot";
    t.unit(3, 3).Name = "Foot";
    t.unit(3, 4).Name = "Mile"; // beyond the unit count
    EXPECT_EQ(pMatchUnitIndex(t, 3, "Foot"), 2);
    EXPECT_EQ(pMatchUnitIndex(t, 3, "Mile"), 0);
    EXPECT_EQ(pMatchUnitIndex(t, 3, "metre"), 0);
    EXPECT_EQ(pMatchUnitIndex(t, -1, "Metre"), 0);
}

TEST(ConversionTable, PixelRuleMatchesTrimmedNamesInAnyCase) {
    ConversionTable t = twoGroupTable();
    t.pnUnitCount[3] = 5;
    const char* names[] = {"", " Pixels ", "PIXEL", "pixel size", "Twip", "pixels"};
    for (int u = 1; u <= 5; ++u) {
        t.unit(3, u).Name = names[u];
        t.unit(3, u).Ratio = "1";
    }
    t.unit(3, 6).Name = "pixel"; // beyond the count: untouched
    pSetPixelRatio(t, 15);
    const char* expected[] = {"", "15", "15", "1", "1", "15"};
    for (int u = 1; u <= 5; ++u)
        EXPECT_EQ(t.unit(3, u).Ratio, expected[u]) << names[u];
    EXPECT_EQ(t.unit(3, 6).Ratio, "");
    pSetPixelRatio(t, 10.5);
    EXPECT_EQ(t.unit(3, 1).Ratio, "10.5");
}

TEST(ConversionTable, ClearEmptiesEverySlotUpToTheCounts) {
    ConversionTable t = twoGroupTable();
    t.pnUnitCount[3] = 1;
    t.unit(3, 1).Name = "Metre";
    t.pnCategoryIcon[3] = 2;
    mClearTable(t);
    EXPECT_EQ(t.pnCatGroupCount, 0);
    EXPECT_EQ(t.pnCategoryCount, 0);
    EXPECT_EQ(t.pnNodeCount, 0);
    EXPECT_EQ(t.psCatGroupName[2], "");
    EXPECT_EQ(t.psCategoryName[3], "");
    EXPECT_EQ(t.pnNodeParent[3], 0);
    EXPECT_EQ(t.unit(3, 1), UnitRecord{});
    EXPECT_EQ(t.pnCategoryIcon[3], 0);
}
