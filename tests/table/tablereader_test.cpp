#include "table/tablereader.h"

#include "core/recordingprompt.h"
#include "table/fileio.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

using namespace qm;
using qmtest::crlf;

namespace {

const std::string kCorrect = "\r\n\r\nOpen the file containing correct data.";

struct ReadResult {
    int16_t result;
    RecordingPrompt prompt;
};

// Reads a file text through the line reader.
int16_t readText(ConversionTable& t, const std::string& text, RecordingPrompt& prompt,
                 DecimalSettings dec = {}) {
    ReadContext ctx{prompt, dec, "/nowhere/"};
    return pReadTableLines(t, splitFileLines(text), ctx);
}

// A file of `groups` group lines, the two special categories and one category
// with `units` unit lines under a header that says `count`.
std::string tableWith(int groups, int units, int count) {
    std::string s;
    for (int g = 1; g <= groups; ++g)
        s += "Group " + std::to_string(g) + ";0\r\n";
    s += ";E;\r\n1;1;NS\r\n2;1;C\r\n3;2;Cat\r\n;E;\r\n";
    s += "1;NS;0\r\n;E;\r\n1;C;0\r\n;E;\r\n";
    s += "1;Cat;" + std::to_string(count) + "\r\n";
    for (int u = 1; u <= units; ++u)
        s += "1;U" + std::to_string(u) + ";1;0;;;\r\n";
    s += ";E;\r\n";
    return s;
}

} // namespace

TEST(TableReader, FieldsAreSplitAtSemicolonsAndMissingOnesAreEmpty) {
    struct Case {
        const char* line;
        int n;
        const char* field;
    } cases[] = {
        {"a;b;c", 1, "a"}, {"a;b;c", 3, "c"}, {"a;b;c", 4, ""}, {"a;;c", 2, ""},
        {"", 1, ""},       {"a", 2, ""},      {";E;", 2, "E"},  {" x ; y", 2, " y"},
    };
    for (auto c : cases)
        EXPECT_EQ(pGetField(c.line, c.n, 3), c.field) << c.line << " #" << c.n;
}

TEST(TableReader, EndLinesAreTrimmedOfBlanksOnlyAndCaseSensitive) {
    struct Case {
        const char* line;
        bool end;
    } cases[] = {
        {";E;", true},    {"  ;E;  ", true}, {";e;", false},
        {"\t;E;", false}, {";E; x", false},  {";E", false},
    };
    for (auto c : cases)
        EXPECT_EQ(isEndLine(c.line), c.end) << c.line;
}

TEST(TableReader, SplitsLinesAtAnyLineEnd) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitFileLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitFileLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitFileLines("no end"), (Lines{"no end"}));
    EXPECT_TRUE(splitFileLines("").empty());
}

TEST(TableReader, ReadsTheGoldenFile) {
    RecordingPrompt prompt;
    ConversionTable t;
    t.psTableFile = std::string(QM_TEST_DATA_DIR) + "/small.dat";
    qmtest::TempDir dir;
    const std::string copy = dir.file("small.dat");
    qmtest::writeBytes(copy, qmtest::readBytes(t.psTableFile));
    t.psTableFile = copy;
    ReadContext ctx{prompt, {}, dir.folder(), 15};
    ASSERT_EQ(pReadTable(t, ctx), 0);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(t.pnCatGroupCount, 2);
    EXPECT_EQ(t.psCatGroupName[1], "Space and Time");
    EXPECT_EQ(t.pnCatGroupExpanded[1], 1);
    EXPECT_EQ(t.pnCatGroupExpanded[2], 0);
    EXPECT_EQ(t.pnNodeCount, 4);
    EXPECT_EQ(t.pnNodeParent[3], 2);
    EXPECT_EQ(t.pnCategoryCount, 4);
    EXPECT_EQ(t.psCategoryName[3], "  Length  "); // names are kept as they stand
    EXPECT_EQ(t.pnUnitCount[3], 3);
    EXPECT_EQ(t.unit(3, 2).Ratio, "0.3048");
    EXPECT_EQ(t.unit(3, 2).Memo, "exactly 0.3048 m");
    EXPECT_EQ(t.unit(3, 3).Ratio, "15"); // the pixel rule
    EXPECT_EQ(t.unit(2, 1).Offset, "m s^-1");
    EXPECT_EQ(t.pnMaxUnitCount, 4);
    EXPECT_EQ(t.unitDim(), 5);
    EXPECT_TRUE(isReadOnly(copy));
}

TEST(TableReader, LimitsAndTheirMessages) {
    struct Case {
        const char* what;
        std::string text;
        const char* firstLine; // nullptr: reads
    } cases[] = {
        {"two end lines only", ";E;\r\n;E;\r\n", nullptr},
        {"30 groups", tableWith(30, 1, 1), nullptr},
        {"31 groups", tableWith(31, 1, 1), "Too many category groups were entered."},
        {"101 group lines", tableWith(101, 1, 1), "PRTB04"},
        {"99 unit lines", tableWith(1, 99, 99), nullptr},
        {"100 unit lines", tableWith(1, 100, 100), "Too many unit data were entered."},
        {"100 unit lines, header 20", tableWith(1, 100, 20), "PRTB04"},
        {"100 unit lines, header 99", tableWith(1, 100, 99), "Too many unit data were entered."},
        {"unit lines beyond the dimension", tableWith(1, 7, 2), "PRTB04"},
        {"header count 99, no unit lines", tableWith(1, 0, 99), nullptr},
        {"header count 100, no unit lines", tableWith(1, 0, 100),
         "Too many unit data were entered."},
        {"no end line", "Group;1\r\n", "PRTB04"},
        {"empty file", "", "PRTB04"},
        {"lower-case end line", crlf({";E;", ";E;", "1;C;1", "1;U;1;0;;;", ";e;", ";E;"}),
         "PRTB04"},
        {"header icon not a number", crlf({";E;", ";E;", "x;C;0", ";E;"}), "PRTB04"},
        {"header count out of range", crlf({";E;", ";E;", "1;C;40000", ";E;"}), "PRTB04"},
        {"expanded flag out of range", crlf({"G;99999", ";E;", ";E;"}), "PRTB04"},
        {"unit icon empty", crlf({";E;", ";E;", "1;C;1", ";U;1", ";E;"}), "PRTB04"},
    };
    for (const auto& c : cases) {
        RecordingPrompt prompt;
        ConversionTable t;
        const int16_t r = readText(t, c.text, prompt);
        if (!c.firstLine) {
            EXPECT_EQ(r, 0) << c.what;
            EXPECT_TRUE(prompt.messages.empty()) << c.what;
            continue;
        }
        EXPECT_EQ(r, 1) << c.what;
        ASSERT_EQ(prompt.messages.size(), 1u) << c.what;
        EXPECT_EQ(prompt.messages[0].text, c.firstLine + kCorrect) << c.what;
        EXPECT_EQ(prompt.messages[0].title, " Quantimetrix") << c.what;
        EXPECT_EQ(prompt.messages[0].icon, MsgIcon::Critical) << c.what;
    }
}

TEST(TableReader, TooManyCategoriesByEndLines) {
    std::string manyEnds = ";E;\r\n;E;\r\n";
    for (int c = 1; c <= 101; ++c)
        manyEnds += "1;C" + std::to_string(c) + ";0\r\n;E;\r\n";
    RecordingPrompt prompt;
    ConversionTable t;
    EXPECT_EQ(readText(t, manyEnds, prompt), 1);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Too many categories were entered." + kCorrect);
    // 101 allocation entries overflow the arrays before they are counted.
    std::string manyEntries = ";E;\r\n";
    for (int j = 1; j <= 101; ++j)
        manyEntries += "1;1;x\r\n";
    RecordingPrompt p2;
    EXPECT_EQ(readText(t, manyEntries + ";E;\r\n", p2), 1);
    ASSERT_EQ(p2.messages.size(), 1u);
    EXPECT_EQ(p2.messages[0].text, "PRTB04" + kCorrect);
}

TEST(TableReader, CategoryPartMustEndWithinTenThousandLines) {
    // 101 categories of 98 units would pass 10,000 lines; 100 categories of
    // 98 units end at line 9,906 and read.
    auto build = [](int cats, int units) {
        std::string s = ";E;\r\n;E;\r\n";
        for (int c = 1; c <= cats; ++c) {
            s += "1;C" + std::to_string(c) + ";" + std::to_string(units) + "\r\n";
            for (int u = 1; u <= units; ++u)
                s += "1;U;1;0;;;\r\n";
            s += ";E;\r\n";
        }
        return s;
    };
    RecordingPrompt ok;
    ConversionTable t1;
    EXPECT_EQ(readText(t1, build(100, 97), ok), 0);
    RecordingPrompt bad;
    ConversionTable t2;
    EXPECT_EQ(readText(t2, build(100, 99), bad), 1);
    ASSERT_EQ(bad.messages.size(), 1u);
    EXPECT_EQ(bad.messages[0].text, "Too many unit data were entered." + kCorrect);
}

TEST(TableReader, ShortLinesReadAsEmptyFields) {
    RecordingPrompt prompt;
    ConversionTable t;
    const std::string text = crlf({"Only a name", ";E;", "7;3", ";E;", "1;C;3", "1;Six;1;2;3;4",
                                   "2;Two", "3", "1;Extra;1;0;;;memo;ignored", ";E;"});
    ASSERT_EQ(readText(t, text, prompt), 0);
    EXPECT_EQ(t.psCatGroupName[1], "Only a name");
    EXPECT_EQ(t.pnCatGroupExpanded[1], 0);
    EXPECT_EQ(t.pnNodeCategory[1], 7);
    EXPECT_EQ(t.pnNodeParent[1], 3);
    EXPECT_EQ(t.unit(1, 1), (UnitRecord{1, "Six", "1", "2", "3", "4", ""}));
    EXPECT_EQ(t.unit(1, 2), (UnitRecord{2, "Two", "", "", "", "", ""}));
    EXPECT_EQ(t.unit(1, 3), (UnitRecord{3, "", "", "", "", "", ""}));
    EXPECT_EQ(t.pnUnitCount[1], 3);
}

TEST(TableReader, HeaderCountBelowTheUnitLinesKeepsTheCount) {
    RecordingPrompt prompt;
    ConversionTable t;
    ASSERT_EQ(readText(t, crlf({";E;", ";E;", "1;C;2", "1;A;1", "1;B;2", "1;C;3", ";E;"}), prompt),
              0);
    EXPECT_EQ(t.pnUnitCount[1], 2);
    EXPECT_EQ(t.unit(1, 3).Name, "C"); // stored, not shown
}

TEST(TableReader, StrictIntegersFollowTheLocale) {
    DecimalSettings comma;
    comma.pnDecimalMode = 1;
    comma.locale = {',', '.'};
    const std::string text = crlf({";E;", ";E;", "2,5;C; 3 ", ";E;"});
    RecordingPrompt p1;
    ConversionTable t1;
    ASSERT_EQ(readText(t1, text, p1, comma), 0);
    EXPECT_EQ(t1.pnCategoryIcon[1], 2); // halves to even
    EXPECT_EQ(t1.pnUnitCount[1], 3);
    RecordingPrompt p2;
    ConversionTable t2;
    EXPECT_EQ(readText(t2, crlf({";E;", ";E;", "2.5;C;3", ";E;"}), p2), 0);
    EXPECT_EQ(t2.pnCategoryIcon[1], 2);
}

TEST(TableReader, MissingFileNamesThePath) {
    qmtest::TempDir dir;
    RecordingPrompt prompt;
    ConversionTable t;
    t.psTableFile = dir.file("gone.dat");
    ReadContext ctx{prompt, {}, dir.folder()};
    EXPECT_EQ(pReadTable(t, ctx), 1);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "'" + t.psTableFile + "'\r\n\r\nThis file cannot be found. Open the correct file.");
    EXPECT_EQ(prompt.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(prompt.messages[0].title, " Quantimetrix");
}

TEST(TableReader, DefaultFileNameFollowsTheDecimalMode) {
    for (int16_t mode : {0, 1}) {
        qmtest::TempDir dir;
        const std::string name = mode == 1 ? "default_e.dat" : "default.dat";
        qmtest::writeBytes(dir.file(name), ";E;\r\n;E;\r\n");
        RecordingPrompt prompt;
        ConversionTable t;
        DecimalSettings dec;
        dec.pnDecimalMode = mode;
        std::string folder = dir.folder();
        if (mode == 0) folder.pop_back(); // the separator comes with the name
        ReadContext ctx{prompt, dec, folder};
        EXPECT_EQ(pReadTable(t, ctx), 0) << name;
        EXPECT_EQ(t.psTableFile, dir.file(name));
    }
}

TEST(TableReader, MoreThan32767LinesFailsWhileReading) {
    qmtest::TempDir dir;
    std::string text = ";E;\r\n;E;\r\n";
    text.reserve(32768 * 3);
    for (int i = 2; i < 32767; ++i)
        text += "x\r\n";
    qmtest::writeBytes(dir.file("ok.dat"), text); // exactly 32,767 lines
    qmtest::writeBytes(dir.file("big.dat"), text + "x\r\n");
    for (auto [name, result] : {std::pair{"ok.dat", 0}, std::pair{"big.dat", 1}}) {
        RecordingPrompt prompt;
        ConversionTable t;
        t.psTableFile = dir.file(name);
        ReadContext ctx{prompt, {}, dir.folder()};
        EXPECT_EQ(pReadTable(t, ctx), result) << name;
        if (result == 1) {
            ASSERT_EQ(prompt.messages.size(), 1u);
            EXPECT_EQ(prompt.messages[0].text, "PRTB03" + kCorrect);
        }
    }
}

TEST(TableReader, NeverCrashesOnHostileBytes) {
    std::mt19937 rng(1234);
    std::vector<std::string> inputs = {std::string(10 * 1024 * 1024, 'a'), // a 10 MB line
                                       std::string("\0\0;E;\0\r\n", 8), std::string(5000, ';'),
                                       ";E;\r\n;E;\r\n" + std::string(3, '\0') + ";x;5\r\n;E;\r\n"};
    for (int k = 0; k < 200; ++k) {
        std::string junk(rng() % 4000, '\0');
        for (char& c : junk) {
            const char pool[] = {';', 'E', '\r', '\n', '1', '9', ' ', '\0', '\xFF', '-', '.'};
            c = (rng() % 3 == 0) ? static_cast<char>(rng()) : pool[rng() % sizeof pool];
        }
        inputs.push_back(junk);
    }
    qmtest::TempDir dir;
    for (const auto& bytes : inputs) {
        qmtest::writeBytes(dir.file("junk.dat"), bytes);
        RecordingPrompt prompt;
        ConversionTable t;
        t.psTableFile = dir.file("junk.dat");
        ReadContext ctx{prompt, {}, dir.folder()};
        const int16_t r = pReadTable(t, ctx);
        EXPECT_EQ(prompt.messages.size(), r == 1 ? 1u : 0u);
    }
}

TEST(TableReader, AboutWindowLeavesTheTopForTheMessage) {
    RecordingPrompt prompt;
    ConversionTable t;
    ReadContext ctx{prompt, {}, "/nowhere/", 15, true};
    EXPECT_EQ(pReadTableLines(t, splitFileLines(""), ctx), 1);
    EXPECT_EQ(prompt.aboutTopmostCalls, (std::vector<bool>{false, true}));
    RecordingPrompt quiet;
    ReadContext ctx2{quiet, {}, "/nowhere/", 15, false};
    pReadTableLines(t, splitFileLines(""), ctx2);
    EXPECT_TRUE(quiet.aboutTopmostCalls.empty());
}
