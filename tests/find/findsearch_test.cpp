#include "find/findsearch.h"
#include "find/quicksearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace qm {
namespace {

using Names = std::vector<std::string>;
using Categories = std::vector<std::pair<std::string, Names>>;

// The categories with their units; `nodes` lists the categories in the tree, in order.
ConversionTable tableOf(const Categories& cats, const std::vector<int16_t>& nodes) {
    ConversionTable t;
    t.pnCategoryCount = static_cast<int16_t>(cats.size());
    for (std::size_t c = 1; c <= cats.size(); ++c) {
        t.psCategoryName[c] = cats[c - 1].first;
        const Names& units = cats[c - 1].second;
        t.pnUnitCount[c] = static_cast<int16_t>(units.size());
        for (std::size_t u = 1; u <= units.size(); ++u)
            t.unit(static_cast<int>(c), static_cast<int>(u)).Name = units[u - 1];
    }
    for (int16_t c : nodes)
        t.pnNodeCategory[static_cast<std::size_t>(++t.pnNodeCount)] = c;
    return t;
}

const Categories kFindCategories{{"Length", {"metre", "Foot", "kilometre"}},
                                 {"Mass", {"kilogram", "gram", "KG"}},
                                 {"Area", {"square metre", "acre"}},
                                 {"Time", {"second", "minute"}}};

} // namespace

// Each press of Find Next goes on from the last hit. A press shows as its hit
// ("category.unit", "-" for none), "!" when it reports the end, and "@" the
// place the next search starts from.
TEST(FindWalk, EachPressGoesOnFromTheLastHit) {
    // Unit search (else category search), text, match case, the nodes, the start, the presses.
    const std::tuple<bool, std::string, bool, std::vector<int16_t>, FindPosition, std::string>
        walks[] = {
            // clang-format off
        {true, "metre", false, {1, 2, 3, 4}, {}, "1.1@1.2 1.3@2.1 3.1@3.2 -!@1.1 1.1@1.2"},
        {true, "kg", false, {1, 2, 3, 4}, {}, "2.3@3.1 -!@1.1"},
        {true, "kg", true, {1, 2, 3, 4}, {}, "-!@1.1"},
        {true, "MINUTE", false, {1, 2, 3, 4}, {}, "4.2!@1.1 4.2!@1.1"}, // the last category ends
        {true, "e ", false, {1, 2, 3, 4}, {}, "3.1@3.2 -!@1.1"},         // a trailing blank counts
        {true, "  ", false, {1, 2, 3, 4}, {2, 3}, "-!@2.3"},
        {false, "", false, {1, 2, 3, 4}, {3, 1}, "-!@3.1"},
        {true, "metre", false, {1, 2, 3, 4}, {9, 1}, "1.1@1.2"},         // starts over
        {true, "metre", false, {1, 2, 4}, {}, "1.1@1.2 1.3@2.1 -!@1.1"}, // hidden: skipped
        {false, "m", false, {1, 2, 3, 4}, {}, "2.0@3.1 4.0@4.1 4.0@4.1"}, // the last found again
        {false, "A", false, {1, 2, 3, 4}, {}, "2.0@3.1 3.0@4.1 -!@1.1 2.0@3.1"},
        {false, "l", true, {1, 2, 3, 4}, {}, "-!@1.1"},
        {false, "m", false, {1, 2, 3}, {}, "2.0@3.1 -!@1.1"},
            // clang-format on
        };
    for (const auto& [units, text, matchCase, nodes, start, presses] : walks) {
        const ConversionTable t = tableOf(kFindCategories, nodes);
        FindPosition pos = start;
        std::string got;
        for (auto n = std::count(presses.begin(), presses.end(), ' '); n >= 0; --n) {
            const FindOutcome o =
                units ? mFindUnit(t, pos, text, matchCase) : mFindCategory(t, pos, text, matchCase);
            got += std::string(got.empty() ? "" : " ") +
                   (o.hit ? std::to_string(o.hit->category) + "." + std::to_string(o.hit->unit)
                          : "-") +
                   (o.endOfSearch ? "!@" : "@") + std::to_string(pos.pnFindGroupStart) + "." +
                   std::to_string(pos.pnFindUnitStart);
        }
        EXPECT_EQ(got, presses) << text;
    }
}

// Whole name, first word, start (shorter first), word start (earlier first),
// anywhere (earlier first); constants and categories outside the tree left out.
TEST(QuickSearch, BestMatchesFirst) {
    const ConversionTable t = tableOf({{"Number System", {"Decimal"}},
                                       {"Constants", {"metre stick"}},
                                       {"Length", {"kilometre", "metre", "centimetre", "mile"}},
                                       {"Area", {"square metre", "metre squared", "metreage"}},
                                       {"Volume", {"cubic metre"}},
                                       {"Hidden", {"metre"}},
                                       {"Wavelength", {"Ångström", "×"}}},
                                      {1, 2, 3, 5, 4, 7});
    const std::pair<const char*, const char*> rows[] = {
        // clang-format off
        {"m", "mile - Length, metre - Length, metreage - Area, metre squared - Area, cubic metre - Volume, square metre - Area, Decimal - Number System, kilometre - Length, centimetre - Length, Ångström - Wavelength"},
        {" METRE ", "metre - Length, metre squared - Area, metreage - Area, cubic metre - Volume, square metre - Area, kilometre - Length, centimetre - Length"},
        {"re sq", "metre squared - Area"},
        {"ÅNGSTRÖM", "Ångström - Wavelength"}, // letter case beyond ASCII
        {"÷", ""}, // not the lower case of the multiplication sign
        {"etre", "metre - Length, metreage - Area, metre squared - Area, kilometre - Length, centimetre - Length, cubic metre - Volume, square metre - Area"},
        {"   ", ""},
        // clang-format on
    };
    for (auto [text, labels] : rows) {
        std::string got;
        for (const QuickMatch& m : quickSearch(t, text))
            got += (got.empty() ? "" : ", ") + m.label;
        EXPECT_EQ(got, labels) << text;
    }
    EXPECT_EQ(quickSearch(t, "metre", 2),
              (std::vector<QuickMatch>{{3, 2, "metre - Length"}, {4, 2, "metre squared - Area"}}));
}

} // namespace qm
