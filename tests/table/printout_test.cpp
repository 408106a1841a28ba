#include "table/printout.h"

#include "common/sampletable.h"
#include "shipped/shippedtables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qm {
namespace {

// The sample table with its last category (Temperature) left out of the tree
// and Length's Icon# 100, wider than its field.
ConversionTable sampleTable() {
    ConversionTable t;
    RecordingPrompt prompt;
    const std::vector<std::string> text = test::sampleTableLines();
    pReadTableLines(t, {text.begin(), text.end()}, ReadContext{prompt, {}, "/x/", 15});
    t.psTableFile = "/data/sample.dat";
    t.pnNodeCount = 5;
    t.pnCategoryIcon[3] = 100;
    return t;
}

TEST(Printout, SampleTableLinesAndPages) {
    const std::vector<std::string> lines = printoutLines(sampleTable()); // 69 lines
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    std::ifstream golden(QM_TEST_DATA_DIR "/printout_sample.txt", std::ios::binary);
    EXPECT_EQ(text, std::string(std::istreambuf_iterator<char>(golden), {}));
    EXPECT_EQ(printoutLines(ConversionTable{}).size(), 13u); // headings only, nothing else

    const struct {
        int linesPerPage, charsPerLine;
        std::vector<std::size_t> sizes;
    } rows[] = {{69, 0, {69}},  {68, 0, {68, 1}}, {30, 0, {30, 30, 9}},
                {99, 71, {69}}, {99, 70, {84}},   {0, 0, std::vector<std::size_t>(69, 1)}};
    for (const auto& r : rows) {
        std::vector<std::size_t> sizes;
        for (const auto& page : printoutPages(lines, r.linesPerPage, r.charsPerLine))
            sizes.push_back(page.size());
        EXPECT_EQ(sizes, r.sizes) << r.linesPerPage << " x " << r.charsPerLine;
    }
    // Broken after a blank, continued indented, no character lost or split.
    using V = std::vector<std::string>;
    EXPECT_EQ(
        wrapPrintoutLines({"  1  Speed of light  299792458  m/s", "abcdefghijk\xC2\xB3mnop"}, 12),
        (V{"  1  Speed ", "     of ", "     light  ", "     2997924", "     58  m/s",
           "abcdefghijk\xC2\xB3", "     mnop"}));
}

// The shipped tables: every category of the tree with its units, the first
// unit of Number System first and the last unit of the last category last.
using ShippedPrintout = shipped::ShippedTable;

TEST_P(ShippedPrintout, EveryCategoryOfTheTree) {
    const std::vector<std::string> lines = printoutLines(t);
    std::size_t want = 13 + t.pnCatGroupCount + t.pnNodeCount;
    const std::size_t firstUnit = want + 7;
    for (int j = 1; j <= t.pnNodeCount; ++j)
        want += 7 + t.pnUnitCount[category(j)];
    ASSERT_EQ(lines.size(), want);
    const int last = category(t.pnNodeCount);
    EXPECT_EQ(lines[firstUnit].find("  " + t.units[category(1)][1].Name + "  "), 3u);
    EXPECT_EQ(lines.back().find("  " + t.units[last][t.pnUnitCount[last]].Name + "  "), 3u);
}

INSTANTIATE_TEST_SUITE_P(BothFiles, ShippedPrintout, ::testing::Bool());

} // namespace
} // namespace qm
