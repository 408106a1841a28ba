// The shipped tables: generated from their listing, laid out as the program
// expects, with readable factors, and with one value for a unit wherever it
// appears.
#include "shippedtables.h"

#include "tablesource.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace qm::shipped {
namespace {

TEST(ShippedListing, BothFilesAreWhatTheListingGenerates) {
    std::ifstream in(std::string(QM_TOOLS_DIR) + "/default_table.txt", std::ios::binary);
    const std::string listing((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    const std::string text = tables::buildTableText(listing);
    EXPECT_TRUE(tables::fileBytes(text) == fileBytesOf(shippedFile(false)))
        << "data/default.dat is out of date: build the target `tables`";
    EXPECT_TRUE(tables::fileBytes(tables::commaTableText(text)) == fileBytesOf(shippedFile(true)))
        << "data/default_e.dat is out of date: build the target `tables`";
}

TEST(ShippedListing, MalformedLinesAreRefusedWithTheirLineNumber) {
    const char* const cases[][2] = {
        {"group;G;1\ncategory;1;C\n1;U;1;0;0;0\n", "line 3: a unit line has exactly 7 fields"},
        {"#c\n\nunit;x\n", "line 3: unknown line"}};
    for (const auto& [listing, message] : cases) {
        try {
            tables::buildTableText(listing);
            ADD_FAILURE() << "accepted: " << listing;
        } catch (const tables::ListingError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

using ShippedFile = ShippedTable;

TEST_P(ShippedFile, LayoutTheProgramExpects) {
    EXPECT_EQ(t.pnNodeCount, t.pnCategoryCount) << "no hidden categories";
    EXPECT_EQ(t.psCategoryName[category(kNumberSystemOrder)], "Number System");
    EXPECT_EQ(t.psCategoryName[category(kConstantsOrder)], "Constants");
    EXPECT_EQ(t.psCategoryName[category(orderOfNode(t, 9))], "Length") << "the first selection";
    std::set<int> parents(t.pnNodeParent.begin() + 1, t.pnNodeParent.begin() + t.pnNodeCount + 1);
    EXPECT_EQ(parents.size(), static_cast<std::size_t>(t.pnCatGroupCount + 1)) << "an empty group";
    EXPECT_TRUE(
        std::is_sorted(t.pnNodeParent.begin() + 1, t.pnNodeParent.begin() + t.pnNodeCount + 1));
    EXPECT_TRUE(t.pnNodeParent[kConstantsOrder] == 1 && t.pnNodeParent[kConstantsOrder + 1] > 1);
    for (int c = 1; c <= t.pnCategoryCount; ++c) {
        EXPECT_EQ(pMatchGroupIndex(t, t.psCategoryName[c]), c) << t.psCategoryName[c];
        EXPECT_TRUE(t.pnCategoryIcon[c] >= 1 && t.pnCategoryIcon[c] <= 4) << t.psCategoryName[c];
        for (int u = 1; u <= t.pnUnitCount[c]; ++u)
            EXPECT_EQ(pMatchUnitIndex(t, static_cast<int16_t>(c), t.unit(c, u).Name), u)
                << t.psCategoryName[c] << ": unit name twice: " << t.unit(c, u).Name;
    }
}

// Every category starts with its base unit; factors are numbers of the file's
// locale, a stated error is small beside its factor, and a factor without one
// carries at least 15 digits.
TEST_P(ShippedFile, EveryFactorIsANumberOfTheFile) {
    for (int j = kConstantsOrder + 1; j <= t.pnNodeCount; ++j) {
        const int c = category(j);
        const UnitRecord& base = t.unit(c, 1);
        EXPECT_EQ(base.Ratio + base.Offset + base.RatioError + base.OffsetError, "1000");
        for (int u = 1; u <= t.pnUnitCount[c]; ++u) {
            const UnitRecord& r = t.unit(c, u);
            SCOPED_TRACE(t.psCategoryName[c] + ": " + r.Name);
            EXPECT_TRUE(number(r.Ratio) != 0 && r.Icon >= 1 && r.Icon <= 4);
            for (const auto& [factor, error] :
                 {std::tie(r.Ratio, r.RatioError), std::tie(r.Offset, r.OffsetError)}) {
                const std::string mantissa = factor.substr(0, factor.find_first_of("eE"));
                const auto first = std::min(mantissa.find_first_of("123456789"), mantissa.size());
                const auto digits =
                    std::count_if(mantissa.begin() + first, mantissa.end(), ::isdigit);
                EXPECT_TRUE(std::isfinite(number(factor)) && (!error.empty() || digits >= 15))
                    << factor;
                EXPECT_LE(error.empty() ? 0 : number(error), std::abs(number(factor)) * 1e-2)
                    << error;
            }
        }
    }
}

// Every constant has a value and a unit; the Fahrenheit offset is the one the
// temperature rule recognises.
TEST_P(ShippedFile, ConstantsCarryValueAndUnit) {
    const int k = category(kConstantsOrder);
    for (int u = 1; u <= t.pnUnitCount[k]; ++u) {
        const ConstantRecord& r = t.unit(k, u);
        EXPECT_TRUE(std::isfinite(number(r.Ratio)) && !r.Offset.empty()) << r.Name;
        EXPECT_EQ(r.RatioError + r.OffsetError, "00") << r.Name;
    }
    const int16_t temperature = pMatchGroupIndex(t, "Temperature");
    const int16_t fahrenheit = pMatchUnitIndex(t, temperature, "Degree Fahrenheit");
    EXPECT_EQ(t.unit(temperature, fahrenheit).Offset.substr(0, 8),
              GetParam() ? "255,3722" : "255.3722");
}

// A unit that appears in several categories (matched by name) has one value:
// between two categories, a shared unit's ratio in one over its ratio in the
// other is the same for every shared unit (the size of one base in the other).
// A constant (matched also without its symbol) is an SI value, and "X per
// entity" is X once for each entity of a mole (through the table's own entity,
// 1/NA mol): both meet the coherent SI bases, so that number is 1 for them.
TEST_P(ShippedFile, SharedUnitsHaveOneValueInEveryCategory) {
    const int16_t amount = pMatchGroupIndex(t, "Amount of Substance");
    const double entity =
        number(t.unit(amount, pMatchUnitIndex(t, amount, "Entity (one particle)")).Ratio);
    std::map<std::string, std::vector<std::tuple<int, double, bool>>> byName; // category, value, SI
    for (int j = kConstantsOrder; j <= t.pnNodeCount; ++j) {
        for (int u = 1; u <= t.pnUnitCount[category(j)]; ++u) {
            const std::string& name = t.unit(category(j), u).Name;
            const double value = number(t.unit(category(j), u).Ratio);
            byName[name].emplace_back(category(j), value, j == kConstantsOrder);
            if (j == kConstantsOrder && name.ends_with(")"))
                byName[name.substr(0, name.rfind(" ("))].emplace_back(category(j), value, true);
            if (name.ends_with(" per entity"))
                byName[name.substr(0, name.size() - 11)].emplace_back(category(j), value * entity,
                                                                      true);
        }
    }
    std::map<std::pair<int, int>, double> scale; // one category's base in the other's
    int checked = 0;
    for (const auto& [name, uses] : byName)
        for (std::size_t a = 0; a < uses.size(); ++a)
            for (std::size_t b = a + 1; b < uses.size(); ++b) {
                const auto [ca, va, sa] = uses[a];
                const auto [cb, vb, sb] = uses[b];
                if (ca == cb || (!sa && !sb && scale.emplace(std::pair(ca, cb), va / vb).second))
                    continue;
                const double expected = sa || sb ? 1.0 : scale[std::pair(ca, cb)];
                EXPECT_NEAR(va / vb, expected, 1e-13 * expected) << name;
                ++checked;
            }
    EXPECT_GE(checked, 40);
}

INSTANTIATE_TEST_SUITE_P(PeriodAndComma, ShippedFile, ::testing::Bool());

} // namespace
} // namespace qm::shipped
