// check, resave and list of quantimetrix-cli, run as the user would.
#include "cli/clirun.h"

namespace {

class CliTable : public qmtest::CliTest {
  protected:
    void SetUp() override {
        const std::string small = qmtest::readBytes(std::string(QM_TEST_DATA_DIR) + "/small.dat");
        qmtest::writeBytes(dir.file("small.dat"), small);
        qmtest::writeBytes(dir.file("bad.dat"), "G;1\r\n");
        std::string warn = small; // Length counts 2 of its 3 units
        warn.replace(warn.find("  Length  ;3"), 12, "  Length  ;2");
        qmtest::writeBytes(dir.file("warn.dat"), warn);
    }
};

const std::string kBadFile = "line 2: PRTB04  Open the file containing correct data.\n";
const std::string kWarnings = "@warn.dat:21: warning: unit line beyond the header's count of 2: "
                              "not shown, and dropped by the next save\n";

} // namespace

// clang-format off
TEST_F(CliTable, CheckResaveAndListStreamsAndStatuses) {
    expectRuns({
        {{"check", "@small.dat"}, "", "2 groups, 4 categories, 10 units, 0 warnings\n", "", 0},
        {{"check", "--comma", "--strict", "--file", "@small.dat"}, "", "2 groups, 4 categories, 10 units, 0 warnings\n", "", 0},
        {{"check", "@warn.dat"}, "", kWarnings + "2 groups, 4 categories, 9 units, 1 warnings\n", "", 0},
        {{"check", "--strict", "@warn.dat"}, "", kWarnings + "2 groups, 4 categories, 9 units, 1 warnings\n", "", 1},
        {{"check", "@bad.dat"}, "", "", kBadFile, 2},
        {{"check", "@none.dat"}, "", "", "'@none.dat'  This file cannot be found. Open the correct file.\n", 2},
        {{"check"}, "", "", "~usage: quantimetrix-cli check", 2},
        {{"resave", "@bad.dat", "@x.dat"}, "", "", kBadFile, 2},
        {{"resave", "@small.dat", "@no/folder/x.dat"}, "", "", "~Cannot write '@no/folder/x.dat': ", 1},
        {{"resave", "@small.dat"}, "", "", "~usage: quantimetrix-cli resave", 2},
        {{"resave", "@small.dat", "@out.dat"}, "", "", "", 0},
        {{"list", "--file", "@small.dat"}, "", "\tNumber System\n\tConstants\nSpace and Time\t  Length  \nMechanics\tMass\n", "", 0},
        {{"list", "--file", "@small.dat", "Mass"}, "", "Kilogram\t1\t0\nPound (avoirdupois)\t0.45359237\t0\n", "", 0},
        {{"list", "--file", "@small.dat", "Nothing"}, "", "", "unknown category: Nothing\n", 2},
        {{"list", "--file", "@bad.dat"}, "", "", kBadFile, 2},
    });
    // resave keeps the expanded flags it read
    const std::string out = qmtest::readBytes(dir.file("out.dat"));
    EXPECT_EQ(out.substr(0, 36), "Space and Time;1\r\nMechanics;0\r\n;E;\r\n");
    EXPECT_NE(out.find("\r\n1;Length;3\r\n"), std::string::npos);
}
// clang-format on
