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

TEST(TableReader, ShortLinesReadAsEmptyFieldsAndTheHeaderCountHolds) {
    RecordingPrompt prompt;
    ConversionTable t;
    const std::string text = crlf({"Only a name", ";E;", "7;3", ";E;", "1;C;2", "1;Six;1;2;3;4",
                                   "2;Two", "3", "1;Extra;1;0;;;memo;ignored", ";E;"});
    ASSERT_EQ(readText(t, text, prompt), 0);
    EXPECT_EQ(std::tuple(t.psCatGroupName[1], t.pnCatGroupExpanded[1], t.pnNodeCategory[1],
                         t.pnNodeParent[1], t.pnUnitCount[1], t.unit(1, 4).Memo),
              std::tuple("Only a name", 0, 7, 3, 2, "memo"));
    EXPECT_EQ(
        (std::vector{t.unit(1, 1), t.unit(1, 2), t.unit(1, 3)}), // the third stored, not shown
        (std::vector<UnitRecord>{{1, "Six", "1", "2", "3", "4", ""},
                                 {2, "Two", "", "", "", "", ""},
                                 {3, "", "", "", "", "", ""}}));
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
        EXPECT_EQ(t.pnCategoryIcon[1] * 10 + t.pnUnitCount[1], 23) << header; // halves to even
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
    // The file, the message (empty: reads), whether the about window is up and gives way to it.
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"32767.dat", "", true},
        {"32768.dat", "PRTB03" + kCorrect, true},
        {"gone.dat", notFound, false},
        {"pipe.dat", notAFile, true},  // would wait for a writer
        {"", notAFile, false},         // the folder
        {"/dev/zero", notAFile, true}, // would never end
        {"16mb.dat", "PRTB04" + kCorrect, false},
        {"huge.dat",
         "This file is larger than 16 MB, far larger than any data file. Open the correct file.",
         true}};
    for (const auto& [name, message, aboutShown] : cases) {
        RecordingPrompt prompt;
        ConversionTable t;
        t.psTableFile = dir.file(name);
        ReadContext ctx{prompt, {}, dir.folder(), 15, aboutShown};
        EXPECT_EQ(pReadTable(t, ctx), message.empty() ? 0 : 1) << name;
        const bool shown = aboutShown && !message.empty();
        const std::vector<bool> about = shown ? std::vector{false, true} : std::vector<bool>{};
        EXPECT_EQ(prompt.aboutTopmostCalls, about) << name;
        ASSERT_EQ(prompt.messages.size(), message.empty() ? 0u : 1u) << name;
        if (message.empty()) continue;
        const bool reader = message.starts_with("PRTB");
        EXPECT_EQ(prompt.messages[0].text,
                  reader ? message : "'" + t.psTableFile + "'\r\n\r\n" + message);
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
