#include "table/tablewriter.h"

#include "core/recordingprompt.h"
#include "table/encoding.h"
#include "table/fileio.h"
#include "table/tablereader.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace qm;
using qmtest::crlf;

namespace {

ConversionTable readFile(const std::string& path, RecordingPrompt& prompt) {
    ConversionTable t;
    t.psTableFile = path;
    ReadContext ctx{prompt, {}, "/nowhere/", 15};
    EXPECT_EQ(pReadTable(t, ctx), 0) << (prompt.messages.empty() ? "" : prompt.messages[0].text);
    return t;
}

// One category of one unit, with the text in its names and memo.
ConversionTable oneUnitTable(const std::string& text, const std::string& path) {
    ConversionTable t;
    t.psTableFile = path;
    t.pnCategoryCount = 1;
    t.psCategoryName[1] = text;
    t.pnUnitCount[1] = 1;
    t.unit(1, 1) = UnitRecord{1, text, "1", "0", "", "", text};
    return t;
}

const auto kExpandedFirst = [](int node) { return node == 2; };

void replace(std::string& s, const std::string& from, const std::string& to) {
    const auto at = s.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    s.replace(at, from.size(), to);
}

} // namespace

// What the reader took from the golden file shows in what the writer writes.
TEST(TableFile, GoldenFileReadAndWrittenBack) {
    qmtest::TempDir dir;
    const std::string golden = dir.file("small.dat");
    const std::string bytes = qmtest::readBytes(std::string(QM_TEST_DATA_DIR) + "/small.dat");
    qmtest::writeBytes(golden, bytes);
    const auto mode = qmtest::modeOf(golden);
    const auto time = std::filesystem::last_write_time(golden);
    RecordingPrompt prompt;
    ConversionTable t = readFile(golden, prompt);
    EXPECT_EQ(qmtest::readBytes(golden), bytes); // reading leaves the file as it was
    EXPECT_TRUE(qmtest::modeOf(golden) == mode && std::filesystem::last_write_time(golden) == time);
    EXPECT_EQ(t.pnMaxUnitCount * 10 + t.unitDim(), 45);
    t.psTableFile = dir.file("out.dat");
    ASSERT_TRUE(pSaveTable(
        t, [](int node) { return node == 3; }, prompt));
    std::string expected = bytes;
    replace(expected, "Space and Time;1\r\nMechanics;0", "Space and Time;0\r\nMechanics;1");
    replace(expected, "3;2;Length\r\n", "3;2;  Length  \r\n"); // the name as it stands
    replace(expected, "1;  Length  ;3\r\n", "1;Length;3\r\n"); // trimmed in the header
    replace(expected, "2;Pixel;1;", "2;Pixel;15;");            // the pixel rule
    EXPECT_EQ(qmtest::readBytes(t.psTableFile), expected);
    EXPECT_TRUE(isReadOnly(t.psTableFile) && prompt.messages.empty());
}

TEST(TableWriter, HiddenCategoriesCountsAndTextsThatCannotStandInAField) {
    ConversionTable t;
    t.pnCatGroupCount = 1;
    t.psCatGroupName[1] = "a;b";
    t.pnCategoryCount = 2;
    t.pnNodeCount = 1;
    t.pnNodeCategory[1] = 2; // category 1 is hidden
    t.pnNodeParent[1] = 1;
    t.psCategoryName[1] = "x;E; ";
    t.psCategoryName[2] = "Shown";
    t.pnCategoryIcon[1] = -3;
    t.pnUnitCount[1] = 1;
    t.unit(1, 1) = UnitRecord{-1, "n", "1", "0", "", "", "line one\r\nline;two"};
    t.unit(1, 2) = UnitRecord{1, "beyond the count", "", "", "", "", ""};
    EXPECT_EQ(tableFileText(t, kExpandedFirst),
              crlf({"a,b;1", ";E;", "2;1;Shown", ";E;", "-3;x,E,;1",
                    "-1;n;1;0;;;line one  line,two", ";E;", "0;Shown;0", ";E;"}));
}

TEST(TableWriter, EncodingsRoundTrip) {
    const std::pair<const char*, bool> cases[] = {
        // the text, and whether the file is UTF-8
        {"Metre", true},
        {"Degree Celsius (\u00B0C), \u00B5m, m\u00B2, \u00B1", false},
        {"\u20AC \u201Cx\u201D", false}, // euro and typographic quotes
        {"Ohm (\u03A9)", true},          // outside Windows-1252
        {"\u00C3\u00A9", true},          // Windows-1252 bytes that look like UTF-8
    };
    for (const auto& [text, utf8] : cases) {
        qmtest::TempDir dir;
        const ConversionTable t = oneUnitTable(text, dir.file("enc.dat"));
        RecordingPrompt prompt;
        ASSERT_TRUE(pSaveTable(t, kExpandedFirst, prompt)) << text;
        EXPECT_EQ(isValidUtf8(qmtest::readBytes(t.psTableFile)), utf8) << text;
        ConversionTable back = readFile(t.psTableFile, prompt);
        EXPECT_EQ(back.unit(1, 1), t.unit(1, 1)) << text;
        EXPECT_EQ(back.psCategoryName[1], text) << text;
    }
    const std::pair<const char*, const char*> decoded[] = {
        {"\260C \200 \265", "\u00B0C \u20AC \u00B5"},
        {"\357\273\277abc", "abc"},
        {"\x81\x8D", "\u0081\u008D"},
        {"\xC0\x80", "\u00C0\u20AC"},                     // overlong
        {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"},           // surrogate
        {"\xF4\x90\x80\x80", "\u00F4\u0090\u20AC\u20AC"}, // above U+10FFFF
        {"\xE2\x82", "\u00E2\u201A"},                     // cut short
    };
    for (auto [bytes, text] : decoded)
        EXPECT_EQ(decodeFileText(bytes), text) << bytes;
}

// clang-format off
TEST(TableWriter, AFailedSaveNamesItsStepAndLeavesTheFile) {
    qmtest::TempDir dir;
    const std::string old = crlf({"A;1", ";E;", ";E;"});
    const std::string longName(240, 'n'); // a name with no room for another beside it
    qmtest::writeBytes(dir.file("t.dat"), old);
    qmtest::writeBytes(dir.file(longName), old);
    std::filesystem::create_directory(dir.file("folder.dat"));
    ConversionTable t = oneUnitTable(std::string(4096, 'm'), "");
    const auto collapse = [](int) { return false; }; // "A;0": the node status changes the file
    std::signal(SIGXFSZ, SIG_IGN); // a file beyond the size limit: the write fails
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    // The path, pSaveTable (else pSaveNodeStatus), the file size limit, the message label.
    const std::tuple<std::string, bool, rlim_t, const char*> cases[] = {
        {dir.file("none/t.dat"), true, RLIM_INFINITY, "PSTB01"}, // missing folder
        {dir.file(longName), true, RLIM_INFINITY, "PSTB01"},     // no room for the new file
        {dir.file("t.dat"), true, 100, "PSTB04"},                // disk full
        {dir.file("folder.dat"), true, RLIM_INFINITY, "PSTB04"}, // a folder in the way
        {dir.file("none.dat"), false, RLIM_INFINITY, "PSNS01"},
        {dir.file(longName), false, RLIM_INFINITY, "PSNS05"},
        {dir.file("t.dat"), false, 5, "PSNS06"},
    };
    for (const auto& [path, table, sizeLimit, label] : cases) {
        RecordingPrompt prompt;
        t.psTableFile = path;
        rlimit limited = unlimited;
        limited.rlim_cur = sizeLimit;
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool saved = table ? pSaveTable(t, kExpandedFirst, prompt) : pSaveNodeStatus(path, collapse, prompt);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_FALSE(saved) << label;
        ASSERT_EQ(prompt.messages.size(), 1u) << label;
        EXPECT_EQ(prompt.messages[0].text + "/" + prompt.messages[0].title, std::string("Error Code = ") + label + "/Quantimetrix");
        EXPECT_EQ(qmtest::readBytes(dir.file("t.dat")), old) << label;
        EXPECT_EQ(dir.names(), (std::set<std::string>{"t.dat", longName, "folder.dat"})) << label;
    }
}
// clang-format on

TEST(NodeStatus, RewritesOnlyTheGroupLines) {
    const std::pair<std::string, std::string> cases[] = {
        {crlf({"A;1", "B;1", ";E;", "1;1;X", ";E;"}), crlf({"A;0", "B;1", ";E;", "1;1;X", ";E;"})},
        {crlf({" A ;1;junk", ";E;", "A;1"}), crlf({" A ;0", ";E;", "A;1"})}, // names stay
        {"A;0\n;E;\nx;1\r\ny", "A;0\n;E;\nx;1\r\ny"},                        // line ends kept
        {crlf({"A;1", " ;E; ", "1;1;X", ";E;"}), crlf({"A;0", " ;E; ", "1;1;X", ";E;"})}, // blanks
        {crlf({"A;1", "x"}), crlf({"A;1", "x"})}, // no end line
        {crlf({"\xEF\xBB\xBF;E;", "1;1;X", ";E;"}),
         crlf({"\xEF\xBB\xBF;E;", "1;1;X", ";E;"})},                              // BOM
        {crlf({"A;0", "B;0", "C;0", ";E;"}), crlf({"A;0", "B;1", "C;0", ";E;"})}, // surplus lines
    };
    const auto expanded = [](int node) { return node == 3; }; // group 2 only
    for (const auto& [before, after] : cases)
        EXPECT_EQ(withNodeStatus(before, expanded), after) << before;
}
