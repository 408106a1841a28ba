// The shipped tables: generated from their listing, readable, within the
// reader's limits, and laid out as the program expects.
#include "shippedtables.h"

#include "tablesource.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <utility>

namespace qm::shipped {
namespace {

int significantDigits(const std::string& number) {
    std::string mantissa = number.substr(0, number.find_first_of("eE"));
    int digits = 0;
    bool leading = true;
    for (char ch : mantissa) {
        if (ch < '0' || ch > '9') continue;
        if (ch == '0' && leading) continue;
        leading = false;
        ++digits;
    }
    return digits;
}

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

class ShippedFile : public ::testing::Test {
  protected:
    ConversionTable table;
    void SetUp() override { loadShipped(table, false); }
    bool isConstants(int c) const { return orderOf(table, c) == kConstantsOrder; }
    bool isNumberSystem(int c) const { return orderOf(table, c) == kNumberSystemOrder; }
};

TEST(ShippedListing, BothFilesAreWhatTheListingGenerates) {
    std::ifstream in(std::string(QM_TOOLS_DIR) + "/default_table.txt", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string listing((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    const std::string text = tables::buildTableText(listing);
    EXPECT_TRUE(tables::fileBytes(text) == fileBytesOf(periodFile()))
        << "data/default.dat is out of date: build the target `tables`";
    EXPECT_TRUE(tables::fileBytes(tables::commaTableText(text)) == fileBytesOf(commaFile()))
        << "data/default_e.dat is out of date: build the target `tables`";
}

TEST(ShippedListing, MalformedLinesAreRefusedWithTheirLineNumber) {
    const struct {
        const char* listing;
        const char* message;
    } cases[] = {
        {"group;G;1\ncategory;1;C\n1;U;1;0;0;0\n", "line 3: a unit line has exactly 7 fields"},
        {"category;1;C\n", "line 1: a category before the first group"},
        {"1;U;1;0;0;0;m\n", "line 1: a unit before the first category"},
        {"group;G;2\n", "line 1: a group line is group;Name;0 or group;Name;1"},
        {"group;G;1\ncategory;1;C\nroot;2;R\n",
         "line 3: root categories must come before the groups"},
        {"#c\n\nunit;x\n", "line 3: unknown line"},
    };
    for (const auto& c : cases) {
        try {
            tables::buildTableText(c.listing);
            ADD_FAILURE() << "accepted: " << c.listing;
        } catch (const tables::ListingError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(ShippedListing, BuildsSectionsAndAllocationByParent) {
    const std::string text = tables::buildTableText(
        "root;2;NS\n1;Dec;10;0;0;0;\ngroup;A;1\ncategory;1;L\n1;m;1;0;0;0;x\n"
        "group;B;0\ncategory;3;T\n");
    EXPECT_EQ(text, "A;1\r\nB;0\r\n;E;\r\n1;1;NS\r\n2;2;L\r\n3;3;T\r\n;E;\r\n"
                    "2;NS;1\r\n1;Dec;10;0;0;0;\r\n;E;\r\n1;L;1\r\n1;m;1;0;0;0;x\r\n;E;\r\n"
                    "3;T;0\r\n;E;\r\n");
}

TEST(ShippedListing, CommaVersionChangesOnlyNumberFields) {
    const std::string text = "G;1\r\n;E;\r\n1;1;N\r\n2;1;K\r\n3;2;L\r\n;E;\r\n"
                             "2;N;1\r\n1;Dec.;10;0;0;0;m.\r\n;E;\r\n"
                             "2;K;1\r\n1;c.x;2.5E-3;m.s;0;0;u.\r\n;E;\r\n"
                             "1;L.;1\r\n1;a.b;0.3048;1.5;0.1;2.5;x.y\r\n;E;\r\n";
    EXPECT_EQ(tables::commaTableText(text), "G;1\r\n;E;\r\n1;1;N\r\n2;1;K\r\n3;2;L\r\n;E;\r\n"
                                            "2;N;1\r\n1;Dec.;10;0;0;0;m.\r\n;E;\r\n"
                                            "2;K;1\r\n1;c.x;2,5E-3;m.s;0;0;u.\r\n;E;\r\n"
                                            "1;L.;1\r\n1;a.b;0,3048;1,5;0,1;2,5;x.y\r\n;E;\r\n");
}

TEST(ShippedBytes, Windows1252WithCrLfLineEnds) {
    for (const std::string& path : {periodFile(), commaFile()}) {
        const std::string bytes = fileBytesOf(path);
        ASSERT_FALSE(bytes.empty());
        EXPECT_FALSE(isValidUtf8(bytes)) << path << " should be Windows-1252";
        EXPECT_NE(bytes.find("\xB0"), std::string::npos) << "degree sign as one byte";
        EXPECT_NE(bytes.find("\xB5"), std::string::npos) << "micro sign as one byte";
        EXPECT_EQ(encodeFileText(decodeFileText(bytes)), bytes) << "round trip";
        std::size_t lines = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ++lines;
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
            } else if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    << "bare CR at byte " << i;
            }
        }
        EXPECT_EQ(bytes.substr(bytes.size() - 5), ";E;\r\n");
        EXPECT_LE(lines, static_cast<std::size_t>(kMaxCategoryPartLines));
    }
}

TEST_F(ShippedFile, SizesWithinLimitsAndLargeEnough) {
    EXPECT_GE(table.pnCatGroupCount, 1);
    EXPECT_LE(table.pnCatGroupCount, kMaxGroups);
    EXPECT_GE(table.pnCategoryCount, 60);
    EXPECT_LE(table.pnCategoryCount, kMaxCategories);
    EXPECT_EQ(table.pnNodeCount, table.pnCategoryCount) << "no hidden categories";
    int units = 0;
    for (int c = 1; c <= table.pnCategoryCount; ++c) {
        EXPECT_GE(table.pnUnitCount[c], 2) << table.psCategoryName[c];
        EXPECT_LE(table.pnUnitCount[c], kMaxUnitsPerCategory) << table.psCategoryName[c];
        if (!isConstants(c)) units += table.pnUnitCount[c];
    }
    EXPECT_GE(units, 700);
}

TEST_F(ShippedFile, SpecialCategoriesFirstAndAloneUnderTheRoot) {
    ASSERT_GE(table.pnNodeCount, 3);
    const int ns = table.pnNodeCategory[kNumberSystemOrder];
    const int k = table.pnNodeCategory[kConstantsOrder];
    EXPECT_EQ(table.psCategoryName[ns], "Number System");
    EXPECT_EQ(table.psCategoryName[k], "Constants");
    EXPECT_EQ(table.pnNodeParent[kNumberSystemOrder], 1);
    EXPECT_EQ(table.pnNodeParent[kConstantsOrder], 1);
    for (int j = 3; j <= table.pnNodeCount; ++j)
        EXPECT_NE(table.pnNodeParent[j], 1) << "Order# " << j << " hangs under the root";
    const char* radix[][2] = {
        {"Binary", "2"}, {"Octal", "8"}, {"Decimal", "10"}, {"Hexadecimal", "16"}};
    ASSERT_EQ(table.pnUnitCount[ns], 4);
    for (int u = 1; u <= 4; ++u) {
        EXPECT_EQ(table.unit(ns, u).Name, radix[u - 1][0]);
        EXPECT_EQ(table.unit(ns, u).Ratio, radix[u - 1][1]);
    }
}

TEST_F(ShippedFile, DefaultSelectedNodeIsLength) {
    int16_t node = 9;
    pCheckSelNodeIndex(table, node);
    ASSERT_EQ(node, 9);
    const int order = orderOfNode(table, 9);
    ASSERT_GE(order, 1);
    EXPECT_EQ(table.psCategoryName[table.pnNodeCategory[order]], "Length");
    EXPECT_EQ(pMatchGroupIndex(table, "Length"), table.pnNodeCategory[order]);
}

TEST_F(ShippedFile, AllocationOrderedByParentAndEveryGroupUsed) {
    std::set<int> seen;
    for (int j = 1; j <= table.pnNodeCount; ++j) {
        if (j > 1) {
            EXPECT_LE(table.pnNodeParent[j - 1], table.pnNodeParent[j]) << "Order# " << j;
        }
        EXPECT_GE(table.pnNodeParent[j], 1);
        EXPECT_LE(table.pnNodeParent[j], table.pnCatGroupCount + 1);
        EXPECT_TRUE(seen.insert(table.pnNodeCategory[j]).second) << "category twice in the tree";
        EXPECT_GE(table.pnNodeCategory[j], 1);
        EXPECT_LE(table.pnNodeCategory[j], table.pnCategoryCount);
    }
    for (int g = 1; g <= table.pnCatGroupCount; ++g)
        EXPECT_TRUE(std::any_of(table.pnNodeParent.begin() + 1,
                                table.pnNodeParent.begin() + table.pnNodeCount + 1,
                                [g](int16_t p) { return p == g + 1; }))
            << "empty group " << table.psCatGroupName[g];
}

TEST_F(ShippedFile, NamesUniqueTrimmedAndIconsInRange) {
    std::set<std::string> groups, categories;
    for (int g = 1; g <= table.pnCatGroupCount; ++g) {
        EXPECT_TRUE(groups.insert(table.psCatGroupName[g]).second);
        EXPECT_EQ(trimmed(table.psCatGroupName[g]), table.psCatGroupName[g]);
    }
    for (int c = 1; c <= table.pnCategoryCount; ++c) {
        const std::string& name = table.psCategoryName[c];
        EXPECT_TRUE(categories.insert(name).second) << "category name twice: " << name;
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(trimmed(name), name);
        EXPECT_GE(table.pnCategoryIcon[c], 1);
        EXPECT_LE(table.pnCategoryIcon[c], 4);
        std::set<std::string> units;
        for (int u = 1; u <= table.pnUnitCount[c]; ++u) {
            const UnitRecord& r = table.unit(c, u);
            EXPECT_TRUE(units.insert(r.Name).second) << name << ": unit name twice: " << r.Name;
            EXPECT_FALSE(r.Name.empty());
            EXPECT_EQ(trimmed(r.Name), r.Name);
            EXPECT_GE(r.Icon, 1) << r.Name;
            EXPECT_LE(r.Icon, 4) << r.Name;
            EXPECT_EQ(pMatchUnitIndex(table, static_cast<int16_t>(c), r.Name), u);
        }
    }
}

TEST_F(ShippedFile, EveryFactorIsAStrictNumber) {
    const NumberLocale period{'.', ','};
    for (int c = 1; c <= table.pnCategoryCount; ++c) {
        if (isConstants(c)) continue;
        for (int u = 1; u <= table.pnUnitCount[c]; ++u) {
            const UnitRecord& r = table.unit(c, u);
            const std::string where = table.psCategoryName[c] + ": " + r.Name;
            const auto ratio = pStrictNumber(r.Ratio, period);
            ASSERT_TRUE(ratio.has_value()) << where << " ratio " << r.Ratio;
            EXPECT_NE(*ratio, 0.0) << where;
            EXPECT_EQ(pPrefixValue(r.Ratio), *ratio) << where;
            const auto offset = pStrictNumber(r.Offset, period);
            ASSERT_TRUE(offset.has_value()) << where << " offset " << r.Offset;
            EXPECT_EQ(pPrefixValue(r.Offset), *offset) << where;
            // Stated errors are numbers, and small beside their factor.
            const std::pair<const std::string*, double> errors[] = {{&r.RatioError, *ratio},
                                                                    {&r.OffsetError, *offset}};
            for (const auto& [err, factor] : errors) {
                if (err->empty()) continue;
                const auto e = pStrictNumber(*err, period);
                ASSERT_TRUE(e.has_value()) << where << " error " << *err;
                EXPECT_GE(*e, 0.0) << where;
                EXPECT_LE(*e, std::abs(factor) * 1e-2) << where;
            }
            // A factor without a stated error must carry enough digits.
            if (r.RatioError.empty()) {
                EXPECT_GE(significantDigits(r.Ratio), 15) << where;
            }
            if (r.OffsetError.empty()) {
                EXPECT_GE(significantDigits(r.Offset), 15) << where;
            }
        }
    }
}

TEST_F(ShippedFile, EveryCategoryStartsWithItsBaseUnit) {
    for (int c = 1; c <= table.pnCategoryCount; ++c) {
        if (isConstants(c) || isNumberSystem(c)) continue;
        const UnitRecord& base = table.unit(c, 1);
        EXPECT_EQ(base.Ratio, "1") << table.psCategoryName[c];
        EXPECT_EQ(base.Offset, "0") << table.psCategoryName[c];
        EXPECT_EQ(base.RatioError, "0") << table.psCategoryName[c];
        EXPECT_EQ(base.OffsetError, "0") << table.psCategoryName[c];
        EXPECT_FALSE(base.Memo.empty()) << table.psCategoryName[c];
    }
}

TEST_F(ShippedFile, ConstantsCarryValueUnitAndSource) {
    const int k = table.pnNodeCategory[kConstantsOrder];
    EXPECT_GE(table.pnUnitCount[k], 40);
    int exact = 0;
    for (int u = 1; u <= table.pnUnitCount[k]; ++u) {
        const ConstantRecord& r = table.unit(k, u);
        EXPECT_TRUE(pStrictNumber(r.Ratio, NumberLocale{'.', ','}).has_value()) << r.Name;
        EXPECT_FALSE(r.Offset.empty()) << r.Name << ": unit text";
        EXPECT_EQ(r.RatioError, "0") << r.Name;
        EXPECT_EQ(r.OffsetError, "0") << r.Name;
        const bool isExact = r.Memo.rfind("Exact", 0) == 0;
        const bool measured = r.Memo.find("Standard uncertainty") != std::string::npos &&
                              r.Memo.find("CODATA 20") != std::string::npos;
        EXPECT_TRUE(isExact != measured) << r.Name << ": " << r.Memo;
        exact += isExact ? 1 : 0;
    }
    EXPECT_GE(exact, 20);
}

TEST_F(ShippedFile, TemperatureRuleTextsAndScales) {
    const int c = pMatchGroupIndex(table, "Temperature");
    ASSERT_GT(c, 0);
    const UnitRecord& celsius =
        table.unit(c, pMatchUnitIndex(table, static_cast<int16_t>(c), "Degree Celsius"));
    const UnitRecord& fahrenheit =
        table.unit(c, pMatchUnitIndex(table, static_cast<int16_t>(c), "Degree Fahrenheit"));
    EXPECT_EQ(table.unit(c, 1).Name, "Kelvin");
    EXPECT_EQ(celsius.Ratio, "1");
    EXPECT_EQ(celsius.Offset, "273.15");
    EXPECT_EQ(fahrenheit.Ratio.substr(0, 18), "0.5555555555555556");
    EXPECT_EQ(fahrenheit.Offset.substr(0, 8), "255.3722");
    EXPECT_GT(pMatchUnitIndex(table, static_cast<int16_t>(c), "Degree Rankine"), 0);
    EXPECT_GT(pMatchUnitIndex(table, static_cast<int16_t>(c), "Degree Réaumur"), 0);
}

TEST(ShippedPixel, FollowsTheScreen) {
    for (double twips : {15.0, 12.0}) {
        ConversionTable t;
        loadShipped(t, false, twips);
        const int c = pMatchGroupIndex(t, "Typography");
        ASSERT_GT(c, 0);
        const int u = pMatchUnitIndex(t, static_cast<int16_t>(c), "Pixel");
        ASSERT_GT(u, 0);
        EXPECT_EQ(t.unit(c, u).Ratio, twips == 15.0 ? "15" : "12");
        EXPECT_EQ(t.unit(c, 1).Name, "Twip");
    }
}

TEST(ShippedComma, SameTableWithDecimalCommas) {
    ConversionTable p, e;
    loadShipped(p, false);
    loadShipped(e, true);
    ASSERT_EQ(p.pnCatGroupCount, e.pnCatGroupCount);
    ASSERT_EQ(p.pnCategoryCount, e.pnCategoryCount);
    ASSERT_EQ(p.pnNodeCount, e.pnNodeCount);
    for (int g = 1; g <= p.pnCatGroupCount; ++g) {
        EXPECT_EQ(p.psCatGroupName[g], e.psCatGroupName[g]);
        EXPECT_EQ(p.pnCatGroupExpanded[g], e.pnCatGroupExpanded[g]);
    }
    for (int j = 1; j <= p.pnNodeCount; ++j) {
        EXPECT_EQ(p.pnNodeCategory[j], e.pnNodeCategory[j]);
        EXPECT_EQ(p.pnNodeParent[j], e.pnNodeParent[j]);
    }
    const int constants = p.pnNodeCategory[kConstantsOrder];
    const auto commas = [](std::string s) {
        std::replace(s.begin(), s.end(), '.', ',');
        return s;
    };
    int withComma = 0;
    for (int c = 1; c <= p.pnCategoryCount; ++c) {
        EXPECT_EQ(p.psCategoryName[c], e.psCategoryName[c]);
        EXPECT_EQ(p.pnCategoryIcon[c], e.pnCategoryIcon[c]);
        ASSERT_EQ(p.pnUnitCount[c], e.pnUnitCount[c]);
        for (int u = 1; u <= p.pnUnitCount[c]; ++u) {
            const UnitRecord& a = p.unit(c, u);
            const UnitRecord& b = e.unit(c, u);
            EXPECT_EQ(a.Icon, b.Icon);
            EXPECT_EQ(a.Name, b.Name);
            EXPECT_EQ(a.Memo, b.Memo);
            EXPECT_EQ(commas(a.Ratio), b.Ratio) << a.Name;
            EXPECT_EQ(c == constants ? a.Offset : commas(a.Offset), b.Offset) << a.Name;
            EXPECT_EQ(commas(a.RatioError), b.RatioError) << a.Name;
            EXPECT_EQ(commas(a.OffsetError), b.OffsetError) << a.Name;
            EXPECT_EQ(b.Ratio.find('.'), std::string::npos) << a.Name;
            if (b.Ratio.find(',') != std::string::npos) ++withComma;
            // The comma texts read as the same numbers in a comma locale.
            const auto pv = pStrictNumber(a.Ratio, NumberLocale{'.', ','});
            const auto ev = pStrictNumber(b.Ratio, NumberLocale{',', '.'});
            ASSERT_TRUE(pv.has_value() && ev.has_value()) << a.Name;
            EXPECT_EQ(*pv, *ev) << a.Name;
        }
    }
    EXPECT_GT(withComma, 300);
}

} // namespace
} // namespace qm::shipped
