#include "table/printout.h"

#include "common/sampletable.h"
#include "core/recordingprompt.h"
#include "table/tablereader.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm {

// The sample table with its last category (Temperature) left out of the tree
// and Length's Icon# 100, wider than its field.
TEST(Printout, SampleTableLinesAndPages) {
    ConversionTable t;
    RecordingPrompt prompt;
    const std::vector<std::string> sample = test::sampleTableLines();
    pReadTableLines(t, {sample.begin(), sample.end()}, ReadContext{prompt, {}, "/x/", 15});
    t.psTableFile = "/data/sample.dat";
    t.pnNodeCount = 5;
    t.pnCategoryIcon[3] = 100;
    const std::vector<std::string> lines = printoutLines(t); // 69 lines
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    EXPECT_EQ(text, qmtest::readBytes(QM_TEST_DATA_DIR "/printout_sample.txt"));

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

} // namespace qm
