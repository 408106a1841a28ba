#include "find/findsearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace qm {
namespace {

using Names = std::vector<std::string>;

// Categories 1..4 with their units, every one in the tree unless hidden.
ConversionTable makeTable(const std::vector<int>& hidden) {
    const std::vector<std::pair<std::string, Names>> cats{
        {"Length", {"metre", "Foot", "kilometre"}},
        {"Mass", {"kilogram", "gram", "KG"}},
        {"Area", {"square metre", "acre"}},
        {"Time", {"second", "minute"}}};
    ConversionTable t;
    t.pnCategoryCount = static_cast<int16_t>(cats.size());
    for (std::size_t c = 1; c <= cats.size(); ++c) {
        t.psCategoryName[c] = cats[c - 1].first;
        const Names& units = cats[c - 1].second;
        t.pnUnitCount[c] = static_cast<int16_t>(units.size());
        for (std::size_t u = 1; u <= units.size(); ++u)
            t.unit(static_cast<int>(c), static_cast<int>(u)).Name = units[u - 1];
        if (std::find(hidden.begin(), hidden.end(), static_cast<int>(c)) != hidden.end()) continue;
        t.pnNodeCategory[static_cast<std::size_t>(++t.pnNodeCount)] = static_cast<int16_t>(c);
    }
    return t;
}

// One press of Find Next: the hit (category 0: none), the end report and
// where the next search starts.
struct Step {
    int category, unit;
    bool end;
    int groupStart, unitStart;
};

struct WalkCase {
    const char* name;
    bool units; // unit search, else category search
    std::string text;
    bool matchCase;
    std::vector<int> hidden;
    FindPosition start;
    std::vector<Step> steps;
};

void PrintTo(const WalkCase& w, std::ostream* os) {
    *os << w.name;
}

class FindWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(FindWalk, EachPressGoesOnFromTheLastHit) {
    const WalkCase& w = GetParam();
    const ConversionTable t = makeTable(w.hidden);
    FindPosition pos = w.start;
    for (std::size_t i = 0; i < w.steps.size(); ++i) {
        const Step& s = w.steps[i];
        const FindOutcome got = w.units ? mFindUnit(t, pos, w.text, w.matchCase)
                                        : mFindCategory(t, pos, w.text, w.matchCase);
        SCOPED_TRACE("press " + std::to_string(i + 1));
        EXPECT_EQ(got.hit ? got.hit->category : 0, s.category);
        EXPECT_EQ(got.hit ? got.hit->unit : 0, s.unit);
        EXPECT_EQ(got.endOfSearch, s.end);
        EXPECT_EQ(pos.pnFindGroupStart, s.groupStart);
        EXPECT_EQ(pos.pnFindUnitStart, s.unitStart);
    }
}

const FindPosition kFresh{};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Walks, FindWalk,
    ::testing::Values(
        // The last unit of a category moves the start to the next category.
        WalkCase{"UnitsWrapAfterTheEnd", true, "metre", false, {}, kFresh,
                 {{1, 1, false, 1, 2}, {1, 3, false, 2, 1},
                  {3, 1, false, 3, 2}, {0, 0, true, 1, 1}, {1, 1, false, 1, 2}}},
        WalkCase{"UnitsIgnoreCase", true, "kg", false, {}, kFresh,
                 {{2, 3, false, 3, 1}, {0, 0, true, 1, 1}}},
        WalkCase{"UnitsMatchCase", true, "kg", true, {}, kFresh, {{0, 0, true, 1, 1}}},
        WalkCase{"UnitHitInTheLastCategoryEnds", true, "MINUTE", false, {}, kFresh,
                 {{4, 2, true, 1, 1}, {4, 2, true, 1, 1}}},
        WalkCase{"TrailingBlankCounts", true, "e ", false, {}, kFresh,
                 {{3, 1, false, 3, 2}, {0, 0, true, 1, 1}}},
        WalkCase{"BlankTextEndsAndKeepsThePlace", true, "  ", false, {}, {2, 3},
                 {{0, 0, true, 2, 3}}},
        WalkCase{"EmptyCategoryTextEnds", false, "", false, {}, {3, 1}, {{0, 0, true, 3, 1}}},
        WalkCase{"StartOutsideTheTableStartsOver", true, "metre", false, {}, {9, 1},
                 {{1, 1, false, 1, 2}}},
        WalkCase{"UnitsOfHiddenCategoriesAreSkipped", true, "metre", false, {3}, kFresh,
                 {{1, 1, false, 1, 2}, {1, 3, false, 2, 1}, {0, 0, true, 1, 1}}},
        // The last category is found again while the text matches it.
        WalkCase{"LastCategoryFoundAgain", false, "m", false, {}, kFresh,
                 {{2, 0, false, 3, 1}, {4, 0, false, 4, 1}, {4, 0, false, 4, 1}}},
        WalkCase{"CategoriesWrapAfterTheEnd", false, "A", false, {}, kFresh,
                 {{2, 0, false, 3, 1}, {3, 0, false, 4, 1},
                  {0, 0, true, 1, 1}, {2, 0, false, 3, 1}}},
        WalkCase{"CategoriesMatchCase", false, "l", true, {}, kFresh, {{0, 0, true, 1, 1}}},
        WalkCase{"HiddenLastCategoryEnds", false, "m", false, {4}, kFresh,
                 {{2, 0, false, 3, 1}, {0, 0, true, 1, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(FindNameMatches, CaseAndBlanks) {
    struct Row {
        const char* name;
        const char* text;
        bool matchCase, expected;
    };
    const Row rows[] = {{"ångström", "ÅNGSTRÖM", false, true},
                        {"ångström", "ÅNGSTRÖM", true, false},
                        {"×", "÷", false, false}};
    for (const Row& r : rows)
        EXPECT_EQ(findNameMatches(r.name, r.text, r.matchCase), r.expected)
            << r.name << " / " << r.text << " / " << r.matchCase;
}

} // namespace
} // namespace qm
