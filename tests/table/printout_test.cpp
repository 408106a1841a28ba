#include "table/printout.h"

#include "shipped/shippedtables.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace qm {
namespace {

// One group; a hidden category (Category# 3, not in the tree); Length with
// Icon# 100, wider than its field.
ConversionTable smallTable() {
    const std::vector<std::string_view> lines = {"Physics;1",
                                                 ";E;",
                                                 "1;1;Number System",
                                                 "2;1;Constants",
                                                 "4;2;Length",
                                                 ";E;",
                                                 "2;Number System;1",
                                                 "1;Binary;2;0;0;0;memo",
                                                 ";E;",
                                                 "3;Constants;1",
                                                 "3;Speed of light;299792458;m/s;0;0;exact",
                                                 ";E;",
                                                 "1;Hidden;1",
                                                 "1;gone;1;0;0;0;",
                                                 ";E;",
                                                 "100;Length;2",
                                                 "1;metre;1;0;0;0;",
                                                 "2;Foot;0.3048;0;0.0001;0;intl",
                                                 ";E;"};
    ConversionTable t;
    RecordingPrompt prompt;
    EXPECT_EQ(pReadTableLines(t, lines, ReadContext{prompt, {}, "/nowhere/", 15}), 0);
    t.psTableFile = "/data/small.dat";
    return t;
}

// The lines that open a category's block.
std::vector<std::string> categoryHead(const std::string& properties) {
    const std::string rule(71, '-');
    return {" ",
            "Unit Category Properties (Category#, Icon#, Name, Unit Count)",
            std::string(61, '-'),
            properties,
            rule,
            "Unit Properties (Icon#, Name, Ratio, Offset, Ratio Error, Offset Error)",
            rule};
}

TEST(Printout, SmallTableLineByLine) {
    std::vector<std::string> want = {
        std::string(35, '='),
        "|  Quantimetrix Conversion Table  |",
        std::string(35, '='),
        "",
        "Conversion Table File",
        std::string(21, '-'),
        "/data/small.dat",
        "",
        "Unit Category Groups (Group#, Name)",
        std::string(35, '-'),
        "  1  Physics",
        " ",
        "Unit Category - Node Allocation (Order#, Category#, Node#, Name)",
        std::string(64, '-'),
        "  1   1   1  Number System",
        "  2   2   1  Constants",
        "  3   4   2  Length"};
    const auto add = [&want](const std::string& head, std::vector<std::string> units) {
        for (const std::vector<std::string>& part : {categoryHead(head), units})
            want.insert(want.end(), part.begin(), part.end());
    };
    add("  1  2  Number System   1", {"  1  Binary  2  0  0  0"});
    add("  2  3  Constants   1", {"  3  Speed of light  299792458  m/s  0  0"});
    add("  4 100  Length   2", {"  1  metre  1  0  0  0", "  2  Foot  0.3048  0  0.0001  0"});
    EXPECT_EQ(printoutLines(smallTable()), want);
    EXPECT_EQ(printoutLines(ConversionTable{}).size(), 13u); // headings only, nothing else
}

TEST(Printout, PagesAndLongLines) {
    const std::vector<std::string> lines = printoutLines(smallTable()); // 42 lines
    const struct {
        int linesPerPage, charsPerLine;
        std::vector<std::size_t> sizes;
    } rows[] = {{42, 0, {42}},  {41, 0, {41, 1}}, {10, 0, {10, 10, 10, 10, 2}},
                {60, 71, {42}}, {60, 70, {51}},   {20, 30, {20, 20, 20, 20, 3}}};
    for (const auto& r : rows) {
        std::vector<std::size_t> sizes;
        std::vector<std::string> joined;
        for (const auto& page : printoutPages(lines, r.linesPerPage, r.charsPerLine)) {
            sizes.push_back(page.size());
            joined.insert(joined.end(), page.begin(), page.end());
        }
        EXPECT_EQ(sizes, r.sizes) << r.linesPerPage << " x " << r.charsPerLine;
        if (r.charsPerLine == 0) {
            EXPECT_EQ(joined, lines);
        }
    }
    EXPECT_EQ(printoutPages(lines, 0).size(), lines.size()); // one line a page at least
    // Broken after a blank, continued indented, no character lost or split.
    using V = std::vector<std::string>;
    EXPECT_EQ(wrapPrintoutLines({"  1  Speed of light  299792458  m/s"}, 20),
              (V{"  1  Speed of light  ", "     299792458  m/s"}));
    EXPECT_EQ(wrapPrintoutLines({"  4  Molar volume  m\xC2\xB3/mol"}, 21),
              (V{"  4  Molar volume  ", "     m\xC2\xB3/mol"}));
    EXPECT_EQ(wrapPrintoutLines({"abcdefghijklmnop"}, 12), (V{"abcdefghijkl", "     mnop"}));
    EXPECT_EQ(wrapPrintoutLines({"abc\xC2\xB3"
                                 "def"},
                                4),
              (V{"abc\xC2\xB3", "def"}));
}

// The shipped tables: every category of the tree with its units, the first
// unit of Number System first and the last unit of the last category last.
using ShippedPrintout = shipped::ShippedTable;

TEST_P(ShippedPrintout, EveryCategoryOfTheTree) {
    const std::vector<std::string> lines = printoutLines(t);
    std::size_t want = 13 + t.pnCatGroupCount + t.pnNodeCount;
    for (int j = 1; j <= t.pnNodeCount; ++j)
        want += 7 + t.pnUnitCount[category(j)];
    EXPECT_EQ(lines.size(), want);
    const auto unitLine = [this](int c, int u) {
        const UnitRecord& r = t.units[c][u];
        return "  " + std::to_string(r.Icon) + "  " + r.Name + "  " + r.Ratio + "  " + r.Offset +
               "  " + r.RatioError + "  " + r.OffsetError;
    };
    EXPECT_EQ(lines[13 + t.pnCatGroupCount + t.pnNodeCount + 7], unitLine(category(1), 1));
    const int last = category(t.pnNodeCount);
    EXPECT_EQ(lines.back(), unitLine(last, t.pnUnitCount[last]));
}

INSTANTIATE_TEST_SUITE_P(BothFiles, ShippedPrintout, ::testing::Bool());

} // namespace
} // namespace qm
