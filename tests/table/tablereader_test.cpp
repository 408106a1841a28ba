#include "table/tablereader.h"

#include "core/recordingprompt.h"
#include "table/fileio.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace qm;
using qmtest::crlf;

namespace {

// Reads a file text through the line reader.
int16_t readText(ConversionTable& t, const std::string& text, RecordingPrompt& prompt,
                 DecimalSettings dec = {}) {
    ReadContext ctx{prompt, dec, "/nowhere/"};
    return pReadTableLines(t, splitFileLines(text), ctx);
}

} // namespace

TEST(TableReader, EndLines) {
    const std::pair<const char*, bool> ends[] = {{";E;", true},    {"  ;E;  ", true},
                                                 {";e;", false},   {"\t;E;", false},
                                                 {";E; x", false}, {";E", false}};
    for (auto [line, end] : ends)
        EXPECT_EQ(isEndLine(line), end) << line;
}

TEST(TableReader, ShortLinesReadAsEmptyFieldsAndTheHeaderCountHolds) {
    RecordingPrompt prompt;
    ConversionTable t;
    // LF, CR and CR LF each end a line.
    const std::string text = crlf({"Only a name\n  ;E;  \r7;3", ";E;", "1;C;2", "1;Six;1;2;3;4",
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
    const DecimalSettings comma{1, "comma", {',', '.'}};
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
    // The file, 0 (reads) or 1 (refused by the reader) or 2 (refused unread, naming the path),
    // whether the about window is up and gives way to the message.
    const std::tuple<std::string, int, bool> cases[] = {
        {"32767.dat", 0, true}, {"32768.dat", 1, true},
        {"gone.dat", 2, false}, {"pipe.dat", 2, true}, // would wait for a writer
        {"", 2, false},                                // the folder
        {"/dev/zero", 2, true},                        // would never end
        {"16mb.dat", 1, false}, {"huge.dat", 2, true}};
    for (const auto& [name, refused, aboutShown] : cases) {
        RecordingPrompt prompt;
        ConversionTable t;
        t.psTableFile = dir.file(name);
        ReadContext ctx{prompt, {}, dir.folder(), 15, aboutShown};
        EXPECT_EQ(pReadTable(t, ctx), refused ? 1 : 0) << name;
        const bool shown = aboutShown && refused;
        const std::vector<bool> about = shown ? std::vector{false, true} : std::vector<bool>{};
        EXPECT_EQ(prompt.aboutTopmostCalls, about) << name;
        ASSERT_EQ(prompt.messages.size(), refused ? 1u : 0u) << name;
        EXPECT_TRUE(refused < 2 || prompt.messages[0].text.find(t.psTableFile) != std::string::npos)
            << prompt.messages[0].text;
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
