// Checks of data files: broken inputs against the warnings they give and the
// line at which the reader stops (the reader itself must agree).
#include "core/recordingprompt.h"
#include "table/encoding.h"
#include "table/tablelint.h"
#include "table/tablereader.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kBase = {"G;1",
                                        ";E;",
                                        "1;1;Number System",
                                        "2;1;Constants",
                                        "3;1;Length",
                                        ";E;",
                                        "1;Number System;1",
                                        "1;Hexadecimal;16;;;;",
                                        ";E;",
                                        "2;Constants;1",
                                        "1;Speed of light;299792458;m/s;0;0;",
                                        ";E;",
                                        "3;Length;2",
                                        "1;Metre;1;0;0;0;",
                                        "1;Foot;0.3048;0;;;",
                                        ";E;"};

std::string repeat(const std::string& s, int n) {
    std::string out;
    while (n-- > 0)
        out += s;
    return out;
}

// The base table with its line `line` (1-based) replaced by `text`; line 0: `text` alone.
std::string edited(int line, const std::string& text) {
    if (line == 0) return text;
    std::string out;
    for (int i = 1; i <= static_cast<int>(kBase.size()); ++i)
        out += (i == line ? text : kBase[i - 1]) + "\r\n";
    return out;
}

qm::DecimalSettings decimal(bool comma) {
    qm::DecimalSettings d;
    if (comma) d = {1, "comma", {',', '.'}};
    return d;
}

bool readerAccepts(const std::string& text, bool comma) {
    qm::RecordingPrompt prompt;
    qm::ReadContext ctx{prompt, decimal(comma), ""};
    qm::ConversionTable t;
    try {
        return qm::pReadTableLines(t, qm::splitFileLines(text), ctx) == 0;
    } catch (const std::exception&) {
        return false; // too many lines
    }
}

std::vector<std::string> shown(const qm::LintReport& r) {
    std::vector<std::string> out;
    for (const auto& w : r.warnings)
        out.push_back(std::to_string(w.line) + ": " + w.text);
    return out;
}

const std::string kBeyond = ": unit line beyond the header's count of ";
const std::string kDropped = ": not shown, and dropped by the next save";
const std::string kNoSection3 = "5: allocation entry names Category# 3, which has no section";

} // namespace

// clang-format off
TEST(TableLint, WarnsOfWhatReadsOtherThanItLooksAndWhereTheReadStops) {
    const std::string unit = "1;U;1;0;;;\r\n";
    // 98 full categories: the next category header is line 9,902.
    const std::string full =
        "G;1\r\n;E;\r\n;E;\r\n" + repeat("1;C;99\r\n" + repeat(unit, 99) + ";E;\r\n", 98);
    const struct Case {
        int line;
        std::string text;
        bool comma;
        int failed;
        std::vector<std::string> warnings;
    } cases[] = {
        {1, "G;1", false, 0, {}},
        {15, "1;Foot;0,3048;0;;;", false, 0, {"15: ratio \"0,3048\" is not a number: it reads as 0 (a file with decimal commas? use --comma)"}},
        {15, "1;Foot;0,3048;0;;;", true, 0, {}},
        {15, "1;Foot;NaN;abc;1x;;", false, 0, {"15: ratio \"NaN\" is not a number: it reads as 0", "15: offset \"abc\" is not a number: it reads as 0", "15: ratio error \"1x\" is not a number: it reads as 1"}},
        {15, "1;Foot;1;" + repeat("9", 32) + "x;;;", false, 0, {"15: offset \"" + repeat("9", 32) + "...\" is not a number: it reads as 1e+32"}},
        {15, "1;Foot;;0;;", false, 0, {"15: ratio \"\" is empty: it reads as 0"}},
        {15, "1;Foot;0.0;0;;;", false, 0, {"15: ratio is 0: conversions into this unit give 0"}},
        {11, "1;Speed of light;3e;m/s;0;0;", false, 0, {"11: ratio \"3e\" is not a number: it reads as 3"}},
        {13, "3;Length;1", false, 0, {"15" + kBeyond + "1" + kDropped}},
        {13, "3;Length;-1", false, 0, {"13: negative unit count -1: no unit is shown", "14" + kBeyond + "-1" + kDropped, "15" + kBeyond + "-1" + kDropped}},
        {5, "4;1;Length", false, 0, {"5: allocation entry names Category# 4, which has no section"}},
        {16, ";E;\r\n\r\nx\r\ny", false, 0, {"18: 2 line(s) after the last end line: never read, and dropped by the next save"}},
        {16, "; E;;", false, 0, {kNoSection3, "13: 4 line(s) after the last end line: never read, and dropped by the next save", "16: \"; E;;\" is not an end line (\";E;\")"}},
        {12, "\t;e;", false, 12, {kNoSection3, "12: \"\t;e;\" is not an end line (\";E;\")"}},
        {0, "G;1\r\n;E;\r\n", false, 3, {}},
        {14, "x;Metre;1;0;0;0;", false, 14, {}},
        {13, "x;Length;2", false, 13, {}},
        {13, "3;Length;100", false, 13, {}},
        {3, "99999;1;Number System", false, 3, {}},
        {1, repeat("G;1\r\n", 30) + "G;1", false, 31, {}},
        {1, repeat("G;1\r\n", 100) + "G;1", false, 101, {}},
        {3, repeat("1;1;N\r\n", 100) + "1;1;N", false, 103, {}},
        {14, repeat(unit, 5) + "1;U;1;0;;;", false, 19, {"16" + kBeyond + "2" + kDropped, "17" + kBeyond + "2" + kDropped, "18" + kBeyond + "2" + kDropped}},
        {13, "3;Length;99\r\n" + repeat(unit, 99) + "1;U;1;0;;;", false, 113, {}},
        {16, repeat(";E;\r\n", 100), false, 114, {}},
        {16, ";E;" + repeat("\r\n", 32767), false, 32768, {}},
        {0, full + "1;C;98\r\n" + repeat(unit, 98) + ";E;", false, 10001, {}},
        {0, full + "1;C;99\r\n" + repeat(unit, 99) + ";E;", false, 10001, {}},
    };
    for (const Case& c : cases) {
        const std::string text = edited(c.line, c.text);
        const qm::LintReport r = qm::lintTableText(text, decimal(c.comma));
        EXPECT_EQ(r.failedLine, c.failed) << c.text;
        EXPECT_EQ(shown(r), c.warnings) << c.text;
        EXPECT_EQ(readerAccepts(text, c.comma), c.failed == 0) << c.text;
    }
}
// clang-format on

TEST(TableLint, ShippedAndTestTablesGiveNoWarning) {
    const struct {
        std::string path;
        bool comma;
    } cases[] = {{std::string(QM_SHIPPED_DATA_DIR) + "/default.dat", false},
                 {std::string(QM_SHIPPED_DATA_DIR) + "/default_e.dat", true},
                 {std::string(QM_TEST_DATA_DIR) + "/small.dat", false}};
    for (const auto& c : cases) {
        const std::string text = qm::decodeFileText(qmtest::readBytes(c.path));
        ASSERT_GT(text.size(), 100u) << c.path;
        const qm::LintReport r = qm::lintTableText(text, decimal(c.comma));
        EXPECT_EQ(r.failedLine, 0) << c.path;
        EXPECT_EQ(shown(r), std::vector<std::string>{}) << c.path;
    }
    EXPECT_EQ(qm::groupedNumber(1234567), "1,234,567");
    EXPECT_EQ(qm::groupedNumber(999), "999");
}
