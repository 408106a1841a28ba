#include "table/tablewriter.h"

#include "core/recordingprompt.h"
#include "core/text.h"
#include "table/encoding.h"
#include "table/fileio.h"
#include "table/tablereader.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <filesystem>

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

// Every part of two tables that the file holds.
void expectSameTable(const ConversionTable& a, const ConversionTable& b) {
    ASSERT_EQ(a.pnCatGroupCount, b.pnCatGroupCount);
    for (int g = 1; g <= a.pnCatGroupCount; ++g)
        EXPECT_EQ(a.psCatGroupName[g], b.psCatGroupName[g]);
    ASSERT_EQ(a.pnNodeCount, b.pnNodeCount);
    for (int j = 1; j <= a.pnNodeCount; ++j) {
        EXPECT_EQ(a.pnNodeCategory[j], b.pnNodeCategory[j]);
        EXPECT_EQ(a.pnNodeParent[j], b.pnNodeParent[j]);
    }
    ASSERT_EQ(a.pnCategoryCount, b.pnCategoryCount);
    for (int c = 1; c <= a.pnCategoryCount; ++c) {
        EXPECT_EQ(a.pnCategoryIcon[c], b.pnCategoryIcon[c]);
        EXPECT_EQ(trimSpaces(a.psCategoryName[c]), trimSpaces(b.psCategoryName[c]));
        ASSERT_EQ(a.pnUnitCount[c], b.pnUnitCount[c]);
        for (int u = 1; u <= a.pnUnitCount[c]; ++u)
            EXPECT_EQ(a.unit(c, u), b.unit(c, u)) << c << "/" << u;
    }
}

const auto kExpandedFirst = [](int node) { return node == 2; };

} // namespace

TEST(TableWriter, WritesTheExactBytes) {
    qmtest::TempDir dir;
    RecordingPrompt prompt;
    ConversionTable t = readFile(std::string(QM_TEST_DATA_DIR) + "/small.dat", prompt);
    t.psTableFile = dir.file("out.dat");
    ASSERT_TRUE(pSaveTable(t, kExpandedFirst, prompt));
    const std::string expected = crlf({
        "Space and Time;1",
        "Mechanics;0",
        ";E;",
        "1;1;Number System",
        "2;1;Constants",
        "3;2;  Length  ",
        "4;3;Mass",
        ";E;",
        "2;Number System;4",
        "1;Binary;2;;;;",
        "1;Octal;8;;;;",
        "1;Decimal;10;;;;",
        "1;Hexadecimal;16;;;;",
        ";E;",
        "2;Constants;1",
        "3;Speed of light in vacuum;299792458;m s^-1;0;0;exact",
        ";E;",
        "1;Length;3",
        "1;Metre;1;0;0;0;SI base unit",
        "1;Foot (international);0.3048;0;0;0;exactly 0.3048 m",
        "2;Pixel;15;0;;;follows the screen",
        ";E;",
        "1;Mass;2",
        "1;Kilogram;1;0;0;0;",
        "1;Pound (avoirdupois);0.45359237;0;0;0;",
        ";E;",
    });
    EXPECT_EQ(qmtest::readBytes(t.psTableFile), expected);
    EXPECT_TRUE(isReadOnly(t.psTableFile));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(TableWriter, NegativeIntegersHiddenCategoriesAndDroppedUnits) {
    ConversionTable t;
    t.pnCategoryCount = 2;
    t.pnNodeCount = 1;
    t.pnNodeCategory[1] = 2; // category 1 is hidden
    t.pnNodeParent[1] = 1;
    t.psCategoryName[1] = "Hidden ";
    t.psCategoryName[2] = "Shown";
    t.pnCategoryIcon[1] = -3;
    t.pnUnitCount[1] = 1;
    t.unit(1, 1) = UnitRecord{-1, "U", "2", "", "", "", ""};
    t.unit(1, 2) = UnitRecord{1, "beyond the count", "", "", "", "", ""};
    EXPECT_EQ(tableFileText(t, kExpandedFirst), crlf({";E;", "2;1;Shown", ";E;", "-3;Hidden;1",
                                                      "-1;U;2;;;;", ";E;", "0;Shown;0", ";E;"}));
}

TEST(TableWriter, SemicolonsAndLineBreaksCannotBreakTheFormat) {
    ConversionTable t;
    t.pnCatGroupCount = 1;
    t.psCatGroupName[1] = "a;b";
    t.pnCategoryCount = 1;
    t.psCategoryName[1] = "x;E;";
    t.pnUnitCount[1] = 1;
    t.unit(1, 1) = UnitRecord{1, "n", "1", "0", "", "", "line one\r\nline;two"};
    const std::string text = tableFileText(t, kExpandedFirst);
    EXPECT_EQ(text,
              crlf({"a,b;1", ";E;", ";E;", "0;x,E,;1", "1;n;1;0;;;line one  line,two", ";E;"}));
    RecordingPrompt prompt;
    ConversionTable back;
    ReadContext ctx{prompt, {}, "/"};
    ASSERT_EQ(pReadTableLines(back, splitFileLines(text), ctx), 0);
    EXPECT_EQ(back.unit(1, 1).Memo, "line one  line,two");
}

TEST(TableWriter, RoundTripsKeepTableAndBytes) {
    // The golden file holds a category name with blanks, which the header line
    // loses on the first save; from then on reading and writing change nothing.
    qmtest::TempDir dir;
    RecordingPrompt prompt;
    ConversionTable golden = readFile(std::string(QM_TEST_DATA_DIR) + "/small.dat", prompt);
    golden.psTableFile = dir.file("a.dat");
    ASSERT_TRUE(pSaveTable(golden, kExpandedFirst, prompt));
    ConversionTable first = readFile(dir.file("a.dat"), prompt);
    EXPECT_EQ(first.psCategoryName[3], "Length");
    first.psTableFile = dir.file("b.dat");
    ASSERT_TRUE(pSaveTable(first, kExpandedFirst, prompt));
    ConversionTable second = readFile(dir.file("b.dat"), prompt);
    expectSameTable(first, second);
    for (int c = 1; c <= first.pnCategoryCount; ++c)
        EXPECT_EQ(first.psCategoryName[c], second.psCategoryName[c]);
    second.psTableFile = dir.file("c.dat");
    ASSERT_TRUE(pSaveTable(second, kExpandedFirst, prompt));
    EXPECT_EQ(qmtest::readBytes(dir.file("b.dat")), qmtest::readBytes(dir.file("c.dat")));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(TableWriter, EncodingsRoundTrip) {
    struct Case {
        const char* what;
        std::string name;
        bool cp1252;
    } cases[] = {
        {"ascii", "Metre", true},
        {"latin characters",
         "Degree Celsius (\xC2\xB0"
         "C), \xC2\xB5m, m\xC2\xB2, m\xC2\xB3, \xC2\xB1",
         true},
        {"euro and typographic quotes", "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D", true},
        {"outside Windows-1252", "Ohm (\xCE\xA9)", false},
        {"Windows-1252 bytes that look like UTF-8", "\xC3\x83\xC2\xA9", false},
    };
    for (const auto& c : cases) {
        qmtest::TempDir dir;
        ConversionTable t;
        t.psTableFile = dir.file("enc.dat");
        t.pnCategoryCount = 1;
        t.psCategoryName[1] = c.name;
        t.pnUnitCount[1] = 1;
        t.unit(1, 1) = UnitRecord{1, c.name, "1", "0", "", "", c.name};
        RecordingPrompt prompt;
        ASSERT_TRUE(pSaveTable(t, kExpandedFirst, prompt)) << c.what;
        const std::string bytes = qmtest::readBytes(t.psTableFile);
        EXPECT_EQ(isValidUtf8(bytes), !c.cp1252 || c.name == "Metre") << c.what;
        ConversionTable back = readFile(t.psTableFile, prompt);
        EXPECT_EQ(back.unit(1, 1).Name, c.name) << c.what;
        EXPECT_EQ(back.unit(1, 1).Memo, c.name) << c.what;
        EXPECT_EQ(back.psCategoryName[1], c.name) << c.what;
    }
}

TEST(TableWriter, ReaderDecodesWindows1252AndUtf8) {
    EXPECT_EQ(decodeFileText("\xB0"
                             "C \x80 \xB5"),
              "\xC2\xB0"
              "C \xE2\x82\xAC \xC2\xB5");
    EXPECT_EQ(decodeFileText("\xC2\xB0"
                             "C"),
              "\xC2\xB0"
              "C");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF"
                             "abc"),
              "abc");
    EXPECT_EQ(decodeFileText("\x81\x8D"), "\xC2\x81\xC2\x8D");
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));     // cut short
}

TEST(TableWriter, AFailedWriteLeavesTheOldFileIntact) {
    qmtest::TempDir dir;
    const std::string path = dir.file("keep.dat");
    const std::string old = crlf({"Old;1", ";E;", ";E;"});
    qmtest::writeBytes(path, old);
    std::filesystem::create_directory(path + ".qmtmp"); // the new file cannot be written
    ConversionTable t;
    t.psTableFile = path;
    RecordingPrompt prompt;
    EXPECT_FALSE(pSaveTable(t, kExpandedFirst, prompt));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Error Code = PSTB04");
    EXPECT_EQ(prompt.messages[0].title, "Quantimetrix");
    EXPECT_EQ(prompt.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(qmtest::readBytes(path), old);

    RecordingPrompt missingFolder;
    t.psTableFile = dir.file("no/such/folder.dat");
    EXPECT_FALSE(pSaveTable(t, kExpandedFirst, missingFolder));
    ASSERT_EQ(missingFolder.messages.size(), 1u);
    EXPECT_EQ(missingFolder.messages[0].text.rfind("Error Code = PSTB0", 0), 0u);
}

TEST(NodeStatus, RewritesOnlyTheGroupLines) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    } cases[] = {
        {"collapsing the first group", crlf({"A;1", "B;1", ";E;", "1;1;X", ";E;"}),
         crlf({"A;0", "B;1", ";E;", "1;1;X", ";E;"})},
        {"extra fields go, names stay", crlf({" A ;1;junk", ";E;", "A;1"}),
         crlf({" A ;0", ";E;", "A;1"})},
        {"other line ends kept", "A;0\n;E;\nx;1\r\ny", "A;0\n;E;\nx;1\r\ny"},
        {"no exact end line: nothing changes", crlf({"A;1", " ;E;", "x"}),
         crlf({"A;1", " ;E;", "x"})},
        {"surplus lines take the nodes' states", crlf({"A;0", "B;0", "C;0", ";E;"}),
         crlf({"A;0", "B;1", "C;0", ";E;"})},
    };
    const auto expanded = [](int node) { return node == 3; }; // group 2 only
    for (const auto& c : cases)
        EXPECT_EQ(withNodeStatus(c.before, expanded), c.after) << c.what;
}

TEST(NodeStatus, WritesTheFileAndReportsFailures) {
    qmtest::TempDir dir;
    const std::string path = dir.file("t.dat");
    const std::string rest = "1;1;X\r\n;E;\r\n1;X;0\r\n;E;\r\n";
    qmtest::writeBytes(path, "A;1\r\nB;0\r\n;E;\r\n" + rest);
    setReadOnly(path);
    RecordingPrompt prompt;
    EXPECT_TRUE(pSaveNodeStatus(
        path, [](int node) { return node == 3; }, prompt));
    EXPECT_EQ(qmtest::readBytes(path), "A;0\r\nB;1\r\n;E;\r\n" + rest);
    EXPECT_TRUE(isReadOnly(path));
    EXPECT_TRUE(prompt.messages.empty());

    EXPECT_FALSE(pSaveNodeStatus(
        dir.file("missing.dat"), [](int) { return true; }, prompt));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Error Code = PSNS01");
}
