// Checks of data files: broken inputs against the warnings they give and the
// line at which the reader stops, there with a message.
#include "core/recordingprompt.h"
#include "table/encoding.h"
#include "table/tablelint.h"
#include "table/tablereader.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

namespace {

// clang-format off
const std::vector<std::string> kBase = {
    "G;1", ";E;", "1;1;Number System", "2;1;Constants", "3;1;Length", ";E;",
    "1;Number System;1", "1;Hexadecimal;16;;;;", ";E;",
    "2;Constants;1", "1;Speed of light;299792458;m/s;0;0;", ";E;",
    "3;Length;2", "1;Metre;1;0;0;0;", "1;Foot;0.3048;0;;;", ";E;"};
// clang-format on

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
    return comma ? qm::DecimalSettings{1, "comma", {',', '.'}} : qm::DecimalSettings{};
}

// The reader's result and its messages ("!" critical, "?" other).
std::string readerSays(const std::string& text, bool comma) {
    qm::RecordingPrompt prompt;
    qm::ReadContext ctx{prompt, decimal(comma), ""};
    qm::ConversionTable t;
    std::vector<std::string_view> lines;
    try {
        lines = qm::splitFileLines(text);
    } catch (const std::exception&) { // too many lines: refused, with a message, before reading
        return "1!";
    }
    std::string out = std::to_string(qm::pReadTableLines(t, lines, ctx));
    for (const auto& m : prompt.messages)
        out += m.icon == qm::MsgIcon::Critical ? "!" : "?";
    return out;
}

const std::string kBeyond = ": unit line beyond the header's count of ";
const std::string kDropped = ": not shown, and dropped by the next save";
const std::string kNoSection3 = "5: allocation entry names Category# 3, which has no section";
const std::string kUnit = "1;U;1;0;;;\r\n";
const std::string kNone = ";E;\r\n;E;\r\n"; // no groups, no allocation

// A category header that counts `count` units, `units` unit lines and its end line.
std::string cat(int count, int units) {
    return "1;C;" + std::to_string(count) + "\r\n" + repeat(kUnit, units) + ";E;\r\n";
}

} // namespace

TEST(TableLint, WarnsOfWhatReadsOtherThanItLooksAndWhereTheReadStops) {
    // clang-format off
    // 98 full categories: the next category header is line 9,902.
    const std::string full = "G;1\r\n;E;\r\n;E;\r\n" + repeat(cat(99, 99), 98);
    // The line replaced (0: the text alone), the text, comma mode, the line the read fails
    // at and the warnings.
    const std::tuple<int, std::string, bool, int, std::vector<std::string>> cases[] = {
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
        {0, "", false, 1, {}},
        {14, "x;Metre;1;0;0;0;", false, 14, {}},
        {14, ";Metre;1;0;0;0;", false, 14, {}},
        {13, "x;Length;2", false, 13, {}},
        {13, "3;Length;40000", false, 13, {}},
        {13, "3;Length;2x", false, 13, {}},
        {1, "G;99999", false, 1, {}},
        {3, "99999;1;Number System", false, 3, {}},
        {1, repeat("G;1\r\n", 29) + "G;1", false, 0, {}},
        {1, repeat("G;1\r\n", 30) + "G;1", false, 31, {}},
        {1, repeat("G;1\r\n", 100) + "G;1", false, 101, {}},
        {5, repeat("3;1;L\r\n", 97) + "3;1;L", false, 0, {}},
        {5, repeat("3;1;L\r\n", 98) + "3;1;L", false, 103, {}},
        {0, kNone + repeat(cat(0, 0), 101), false, 204, {}},
        {14, repeat(kUnit, 5) + "1;U;1;0;;;", false, 19, {"16" + kBeyond + "2" + kDropped, "17" + kBeyond + "2" + kDropped, "18" + kBeyond + "2" + kDropped}},
        {0, kNone + cat(99, 99), false, 0, {}},
        {0, kNone + cat(99, 100), false, 103, {}},
        {0, kNone + cat(20, 100), false, 25, {"24" + kBeyond + "20" + kDropped}},
        {0, kNone + cat(100, 0), false, 3, {}},
        {16, repeat(";E;\r\n", 100), false, 114, {}},
        {16, ";E;" + repeat("\r\n", 32767), false, 32768, {}},
        {0, kNone + repeat(cat(97, 97), 100), false, 0, {}},
        {0, kNone + repeat(cat(99, 99), 100), false, 10001, {}},
        {0, full + cat(98, 98), false, 10001, {}},
        {0, full + cat(99, 99), false, 10001, {}},
    };
    // clang-format on
    for (const auto& [line, typed, comma, failed, warnings] : cases) {
        const std::string text = edited(line, typed);
        const qm::LintReport r = qm::lintTableText(text, decimal(comma));
        EXPECT_EQ(r.failedLine, failed) << typed;
        std::vector<std::string> shown;
        for (const auto& w : r.warnings)
            shown.push_back(std::to_string(w.line) + ": " + w.text);
        EXPECT_EQ(shown, warnings) << typed;
        EXPECT_EQ(readerSays(text, comma), failed ? "1!" : "0") << typed;
    }
}

TEST(TableLint, ShippedAndTestTablesGiveNoWarning) {
    const std::pair<std::string, bool> cases[] = {
        {std::string(QM_SHIPPED_DATA_DIR) + "/default.dat", false},
        {std::string(QM_SHIPPED_DATA_DIR) + "/default_e.dat", true},
        {std::string(QM_TEST_DATA_DIR) + "/small.dat", false}};
    for (const auto& [path, comma] : cases) {
        const std::string text = qm::decodeFileText(qmtest::readBytes(path));
        const qm::LintReport r = qm::lintTableText(text, decimal(comma));
        EXPECT_EQ(std::to_string(r.failedLine) + "|" + std::to_string(r.warnings.size()), "0|0")
            << path;
    }
    EXPECT_EQ(qm::groupedNumber(1234567) + " " + qm::groupedNumber(999), "1,234,567 999");
}
