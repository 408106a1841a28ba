#include "table/tablereader.h"

#include "core/recordingprompt.h"
#include "table/fileio.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace qm;
using qmtest::crlf;

namespace {

const std::string kCorrect = "\r\n\r\nOpen the file containing correct data.";

// Reads a file text through the line reader.
int16_t readText(ConversionTable& t, const std::string& text, RecordingPrompt& prompt,
                 DecimalSettings dec = {}) {
    ReadContext ctx{prompt, dec, "/nowhere/"};
    return pReadTableLines(t, splitFileLines(text), ctx);
}

// `groups` group lines, `entries` allocation entries, the two special
// categories and one category with `units` unit lines under a header that
// says `count`.
std::string tableWith(int groups, int units, int count, int entries = 3) {
    std::string s;
    for (int g = 1; g <= groups; ++g)
        s += "Group " + std::to_string(g) + ";0\r\n";
    s += ";E;\r\n";
    for (int j = 1; j <= entries; ++j)
        s += std::to_string(j) + ";1;x\r\n";
    s += ";E;\r\n1;NS;0\r\n;E;\r\n1;C;0\r\n;E;\r\n1;Cat;" + std::to_string(count) + "\r\n";
    for (int u = 1; u <= units; ++u)
        s += "1;U" + std::to_string(u) + ";1;0;;;\r\n";
    return s + ";E;\r\n";
}

// No groups, no allocation, `cats` categories of `units` units.
std::string categories(int cats, int units) {
    std::string s = ";E;\r\n;E;\r\n";
    for (int c = 1; c <= cats; ++c) {
        s += "1;C;" + std::to_string(units) + "\r\n";
        for (int u = 1; u <= units; ++u)
            s += "1;U;1;0;;;\r\n";
        s += ";E;\r\n";
    }
    return s;
}

} // namespace

TEST(TableReader, EndLinesAndLineEnds) {
    const std::pair<const char*, bool> ends[] = {{";E;", true},    {"  ;E;  ", true},
                                                 {";e;", false},   {"\t;E;", false},
                                                 {";E; x", false}, {";E", false}};
    for (auto [line, end] : ends)
        EXPECT_EQ(isEndLine(line), end) << line;
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitFileLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitFileLines("a\r\n\r\n"), (Lines{"a", ""}));
}

TEST(TableReader, LimitsAndTheirMessages) {
    const char* groups = "Too many category groups were entered.";
    const char* cats = "Too many categories were entered.";
    const char* units = "Too many unit data were entered.";
    struct Case {
        const char* what;
        std::string text;
        const char* firstLine; // nullptr: reads
    } cases[] = {
        {"two end lines only", ";E;\r\n;E;\r\n", nullptr},
        {"30 groups", tableWith(30, 1, 1), nullptr},
        {"31 groups", tableWith(31, 1, 1), groups},
        {"101 group lines", tableWith(101, 1, 1), groups},
        {"100 allocation entries", tableWith(1, 1, 1, 100), nullptr},
        {"101 allocation entries", tableWith(1, 1, 1, 101), cats},
        {"101 categories", categories(101, 0), cats},
        {"99 unit lines", tableWith(1, 99, 99), nullptr},
        {"100 unit lines", tableWith(1, 100, 100), units},
        {"100 unit lines, header 20", tableWith(1, 100, 20), "PRTB04"},
        {"100 unit lines, header 99", tableWith(1, 100, 99), units},
        {"unit lines beyond the dimension", tableWith(1, 7, 2), "PRTB04"},
        {"header count 100, no unit lines", tableWith(1, 0, 100), units},
        {"category part ends at line 9,902", categories(100, 97), nullptr},
        {"category part passes line 10,000", categories(100, 99), units},
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
        EXPECT_EQ(readText(t, c.text, prompt), c.firstLine ? 1 : 0) << c.what;
        ASSERT_EQ(prompt.messages.size(), c.firstLine ? 1u : 0u) << c.what;
        if (!c.firstLine) continue;
        EXPECT_EQ(prompt.messages[0].text, c.firstLine + kCorrect) << c.what;
        EXPECT_EQ(prompt.messages[0].title, " Quantimetrix") << c.what;
        EXPECT_EQ(prompt.messages[0].icon, MsgIcon::Critical) << c.what;
    }
}

TEST(TableReader, ShortLinesReadAsEmptyFieldsAndTheHeaderCountHolds) {
    RecordingPrompt prompt;
    ConversionTable t;
    const std::string text = crlf({"Only a name", ";E;", "7;3", ";E;", "1;C;2", "1;Six;1;2;3;4",
                                   "2;Two", "3", "1;Extra;1;0;;;memo;ignored", ";E;"});
    ASSERT_EQ(readText(t, text, prompt), 0);
    EXPECT_EQ(t.psCatGroupName[1], "Only a name");
    EXPECT_EQ(t.pnCatGroupExpanded[1], 0);
    EXPECT_EQ(t.pnNodeCategory[1], 7);
    EXPECT_EQ(t.pnNodeParent[1], 3);
    EXPECT_EQ(t.unit(1, 1), (UnitRecord{1, "Six", "1", "2", "3", "4", ""}));
    EXPECT_EQ(t.unit(1, 2), (UnitRecord{2, "Two", "", "", "", "", ""}));
    EXPECT_EQ(t.unit(1, 3), (UnitRecord{3, "", "", "", "", "", ""})); // stored, not shown
    EXPECT_EQ(t.unit(1, 4).Memo, "memo");
    EXPECT_EQ(t.pnUnitCount[1], 2);
}

TEST(TableReader, StrictIntegersFollowTheLocale) {
    DecimalSettings comma;
    comma.pnDecimalMode = 1;
    comma.locale = {',', '.'};
    const std::pair<const char*, DecimalSettings> cases[] = {{"2,5;C; 3 ", comma}, {"2.5;C;3", {}}};
    for (const auto& [header, dec] : cases) {
        RecordingPrompt prompt;
        ConversionTable t;
        ASSERT_EQ(readText(t, crlf({";E;", ";E;", header, ";E;"}), prompt, dec), 0) << header;
        EXPECT_EQ(t.pnCategoryIcon[1], 2) << header; // halves to even
        EXPECT_EQ(t.pnUnitCount[1], 3) << header;
    }
}

TEST(TableReader, FilesThatCannotBeReadAreRefusedWithTheirPath) {
    qmtest::TempDir dir;
    std::string lines = ";E;\r\n;E;\r\n";
    for (int i = 2; i < 32767; ++i)
        lines += "x\r\n";
    qmtest::writeBytes(dir.file("32767.dat"), lines);
    qmtest::writeBytes(dir.file("32768.dat"), lines + "x\r\n");
    ASSERT_EQ(mkfifo(dir.file("pipe.dat").c_str(), 0600), 0);
    qmtest::writeBytes(dir.file("huge.dat"), "");
    std::filesystem::resize_file(dir.file("huge.dat"), kMaxDataFileBytes + 1);
    qmtest::writeBytes(dir.file("16mb.dat"), "");
    std::filesystem::resize_file(dir.file("16mb.dat"), kMaxDataFileBytes); // one line of zeros
    const std::string notFound = "This file cannot be found. Open the correct file.";
    const std::string notAFile =
        "This is not a file (a folder, a pipe or a device). Open the correct file.";
    struct Case {
        std::string name;
        std::string message; // empty: reads
    } cases[] = {
        {"32767.dat", ""},
        {"32768.dat", "PRTB03" + kCorrect},
        {"gone.dat", notFound},
        {"pipe.dat", notAFile},  // would wait for a writer
        {"", notAFile},          // the folder
        {"/dev/zero", notAFile}, // would never end
        {"16mb.dat", "PRTB04" + kCorrect},
        {"huge.dat",
         "This file is larger than 16 MB, far larger than any data file. Open the correct file."},
    };
    for (const auto& c : cases) {
        RecordingPrompt prompt;
        ConversionTable t;
        t.psTableFile = dir.file(c.name);
        ReadContext ctx{prompt, {}, dir.folder()};
        EXPECT_EQ(pReadTable(t, ctx), c.message.empty() ? 0 : 1) << c.name;
        ASSERT_EQ(prompt.messages.size(), c.message.empty() ? 0u : 1u) << c.name;
        if (c.message.empty()) continue;
        const bool reader = c.message.starts_with("PRTB");
        EXPECT_EQ(prompt.messages[0].text,
                  reader ? c.message : "'" + t.psTableFile + "'\r\n\r\n" + c.message);
        EXPECT_EQ(prompt.messages[0].icon, reader ? MsgIcon::Critical : MsgIcon::Exclamation);
    }
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

TEST(TableReader, AboutWindowLeavesTheTopForTheMessage) {
    for (bool shown : {false, true}) {
        RecordingPrompt prompt;
        ConversionTable t;
        ReadContext ctx{prompt, {}, "/nowhere/", 15, shown};
        EXPECT_EQ(pReadTableLines(t, splitFileLines(""), ctx), 1);
        const std::vector<bool> expected = shown ? std::vector{false, true} : std::vector<bool>{};
        EXPECT_EQ(prompt.aboutTopmostCalls, expected);
    }
}
