#include "find/quicksearch.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qm {
namespace {

// Tree order: Number System, Constants, Length, Volume, Area; "Hidden" has
// no tree node.
ConversionTable quickTable() {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cats{
        {"Number System", {"Decimal"}},
        {"Constants", {"metre stick"}},
        {"Length", {"kilometre", "metre", "centimetre", "mile"}},
        {"Area", {"square metre", "metre squared", "metreage"}},
        {"Volume", {"cubic metre"}},
        {"Hidden", {"metre"}}};
    ConversionTable t;
    t.pnCategoryCount = static_cast<int16_t>(cats.size());
    for (std::size_t c = 1; c <= cats.size(); ++c) {
        t.psCategoryName[c] = cats[c - 1].first;
        t.pnUnitCount[c] = static_cast<int16_t>(cats[c - 1].second.size());
        for (std::size_t u = 1; u <= cats[c - 1].second.size(); ++u)
            t.unit(static_cast<int>(c), static_cast<int>(u)).Name = cats[c - 1].second[u - 1];
    }
    const int16_t order[] = {1, 2, 3, 5, 4};
    for (int16_t c : order)
        t.pnNodeCategory[static_cast<std::size_t>(++t.pnNodeCount)] = c;
    return t;
}

TEST(QuickSearch, BestMatchesFirst) {
    struct Row {
        const char* text;
        std::vector<std::string> labels;
    };
    const std::vector<Row> rows{
        // Whole name, first word, start (shorter first), word start (earlier
        // first), anywhere (earlier first); constants and hidden categories left out.
        {"m",
         {"mile - Length", "metre - Length", "metreage - Area", "metre squared - Area",
          "cubic metre - Volume", "square metre - Area", "Decimal - Number System",
          "kilometre - Length", "centimetre - Length"}},
        {" METRE ",
         {"metre - Length", "metre squared - Area", "metreage - Area", "cubic metre - Volume",
          "square metre - Area", "kilometre - Length", "centimetre - Length"}},
        {"re sq", {"metre squared - Area"}},
        {"etre",
         {"metre - Length", "metreage - Area", "metre squared - Area", "kilometre - Length",
          "centimetre - Length", "cubic metre - Volume", "square metre - Area"}},
        {"zz", {}},
        {"   ", {}},
    };
    const ConversionTable t = quickTable();
    for (const Row& r : rows) {
        std::vector<std::string> got;
        for (const QuickMatch& m : quickSearch(t, r.text))
            got.push_back(m.label);
        EXPECT_EQ(got, r.labels) << r.text;
    }
}

TEST(QuickSearch, NamesTheUnitAndKeepsTheLimit) {
    const ConversionTable t = quickTable();
    const std::vector<QuickMatch> got = quickSearch(t, "metre", 2);
    ASSERT_EQ(got.size(), 2U);
    EXPECT_EQ(got[1], (QuickMatch{4, 2, "metre squared - Area"}));
}

} // namespace
} // namespace qm
