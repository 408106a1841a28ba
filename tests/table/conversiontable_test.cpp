#include "table/conversiontable.h"

#include "core/runerror.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace qm;

namespace {
// Two groups, number system and constants under the root, then one category
// in each group: nodes 4..7 are categories.
ConversionTable twoGroupTable() {
    ConversionTable t;
    t.pnCatGroupCount = 2;
    t.pnCategoryCount = 4;
    t.pnNodeCount = 4;
    const char* names[] = {"", "Number System", "Constants", "Length", "Temperature"};
    const int parents[] = {0, 1, 1, 2, 3};
    for (int c = 1; c <= 4; ++c) {
        t.psCategoryName[c] = names[c];
        t.pnNodeCategory[c] = static_cast<int16_t>(c);
        t.pnNodeParent[c] = static_cast<int16_t>(parents[c]);
    }
    return t;
}
} // namespace

TEST(ConversionTable, ResizeKeepsWhatFitsAndNeverGoesBelowFive) {
    ConversionTable t;
    t.unit(3, 2).Name = "kept";
    t.unit(3, 8).Name = "lost";
    const std::pair<int16_t, int> cases[] = {{0, 5}, {4, 5}, {5, 6}, {99, 100}, {7, 8}};
    for (auto [max, dim] : cases) {
        t.pnMaxUnitCount = max;
        pResizeUnitArrays(t);
        EXPECT_EQ(t.unitDim(), dim) << max;
        EXPECT_EQ(t.unit(3, 2).Name, "kept");
    }
    EXPECT_EQ(t.unit(3, 8).Name, ""); // gone when the dimension was 5
    EXPECT_THROW(t.unit(3, 9), RunError);
    EXPECT_THROW(t.unit(101, 1), RunError);
}

TEST(ConversionTable, NodeNumberingAndTheSelectedNodeCheck) {
    const ConversionTable t = twoGroupTable();
    EXPECT_EQ(std::tuple(numberSystemNode(t), constantsNode(t), categoryNode(t, 3)),
              std::tuple(4, 5, 6));
    const std::pair<int, int> orders[] = {{6, 3}, {7, 4}, {3, 0}, {8, 0}};
    for (auto [node, order] : orders)
        EXPECT_EQ(orderOfNode(t, node), order) << node;
    const std::pair<int16_t, int16_t> sel[] = {{1, 1}, {3, 1}, {4, 4}, {7, 7}, {8, 1}, {-5, 1}};
    for (auto [in, out] : sel) {
        int16_t s = in;
        pCheckSelNodeIndex(t, s);
        EXPECT_EQ(s, out) << in;
    }
}

TEST(ConversionTable, NameLookupsTakeTheLowestExactMatch) {
    ConversionTable t = twoGroupTable();
    t.pnCategoryCount = 6;
    t.psCategoryName[5] = "Length"; // hidden duplicate with a higher number
    // Slot 0 holds an empty name.
    EXPECT_EQ(std::tuple(pMatchGroupIndex(t, "Length"), pMatchGroupIndex(t, "length"),
                         pMatchGroupIndex(t, "")),
              std::tuple(3, -1, 0));
    t.pnUnitCount[3] = 3;
    const char* units[] = {"", "Metre", "Foot", "Foot", "Mile"}; // Mile: beyond the count
    for (int u = 1; u <= 4; ++u)
        t.unit(3, u).Name = units[u];
    EXPECT_EQ(std::tuple(pMatchUnitIndex(t, 3, "Foot"), pMatchUnitIndex(t, 3, "Mile"),
                         pMatchUnitIndex(t, 3, "metre"), pMatchUnitIndex(t, -1, "Metre")),
              std::tuple(2, 0, 0, 0));
}

TEST(ConversionTable, PixelRuleMatchesTrimmedNamesInAnyCase) {
    ConversionTable t = twoGroupTable();
    t.pnUnitCount[3] = 5;
    const char* names[] = {"", " Pixels ", "PIXEL", "pixel size", "Twip", "pixels", "pixel"};
    for (int u = 1; u <= 6; ++u)
        t.unit(3, u) = UnitRecord{0, names[u], "1", "", "", "", ""};
    const std::pair<double, const char*> ratios[] = {
        {15, "15"}, {10.5, "10.5"}, {1440.0 / 137, "10.5109489051095"}};
    for (auto [twips, text] : ratios) {
        pSetPixelRatio(t, twips);
        const char* expected[] = {"", text, text, "1", "1", text, "1"}; // 6: beyond the count
        for (int u = 1; u <= 6; ++u)
            EXPECT_EQ(t.unit(3, u).Ratio, expected[u]) << names[u] << " " << text;
    }
}
