// convert and calc of quantimetrix-cli: what the command line adds to the
// driver and the calculator (options, batch input, streams, exit statuses).
#include "cli/clirun.h"
#include "common/sampletable.h"

namespace {

class Cli : public qmtest::CliTest {
  protected:
    void SetUp() override {
        for (bool comma : {false, true}) {
            std::string text;
            for (const std::string& line : qm::test::physicsTableLines(comma))
                text += line + "\r\n";
            qmtest::writeBytes(dir.file(comma ? "comma.dat" : "period.dat"), text);
        }
        qmtest::writeBytes(dir.file("bad.dat"), "G;1\r\n");
    }
};

const std::string kBadFactors = "The conversion factors currently used seem to be invalid.\n";
const std::string kOnlyPeriod = "Only a period is recognized as decimal separator.\n";

} // namespace

// clang-format off
TEST_F(Cli, ConvertOptionsBatchStreamsAndStatuses) {
    const auto cv = [](std::vector<std::string> args) {
        args.insert(args.begin(), {"convert", "--file", "@period.dat"});
        return args;
    };
    expectRuns({
        {cv({"Length", "Metre", "Kilometre", "1500"}), "", "1.50000\n", "", 0},
        {cv({"Length", "#1", "#2", "1500"}), "", "1.50000\n", "", 0},
        {{"convert", "Length", "Metre", "Kilometre", "1500"}, "", "1.50000\n", "", 0}, // the shipped table beside the program
        {cv({"--digits", "7", "Length", "Metre", "Metre", "1000000"}), "", "1000000\n", "", 0},
        {cv({"--scientific", "Length", "Metre", "Metre", "12.5"}), "", "1.25000E+01\n", "", 0},
        {cv({"--integer", "--sci-digits", "0", "Length", "Metre", "Metre", "1e20"}), "", "100000000000000000000\n", "", 0},
        {cv({"--show-error", "Length", "Inch", "Metre", "10?"}), "", "0.254000 \xC2\xB1" "1.27E-02\n", "", 0},
        {cv({"Number System", "Decimal", "Hexadecimal", "255"}), "", "FF\n", "", 0},
        {{"convert", "--file", "@comma.dat", "--comma", "Length", "Metre", "Metre", "1,5"}, "", "1,50000\n", "", 0},
        {cv({"--show-error", "Length", "Metre", "Bad", "1"}), "", "0.500000 \n", kBadFactors, 1},
        {cv({"Length", "Metre", "Kilometre", "-"}), "1500\r2\n\n3\r\n1e3", "1.50000\n0.00200000\n\n0.00300000\n1.00000\n", "", 0},
        {cv({"Length", "Metre", "Kilometre", "-"}), "1\rabc\r\n2,5\n2\r", "0.00100000\nInput error\nInput error\n0.00200000\n", kOnlyPeriod, 1},
        {cv({"Constants", "#1", "#1", "1"}), "", "", "~Constants holds constants, not units", 2},
        {cv({"Mass", "Metre", "Metre", "1"}), "", "", "unknown category: Mass\n", 2},
        {cv({"Length", "Mile", "Metre", "1"}), "", "", "unknown unit: Mile\n", 2},
        {cv({"Length", "Metre", "#7", "1"}), "", "", "unknown unit: #7\n", 2},
        {cv({"Length", "Metre", "#0", "1"}), "", "", "unknown unit: #0\n", 2},
        {cv({"Length", "Metre", "Metre"}), "", "", "~usage: quantimetrix-cli convert", 2},
        {cv({"--digits", "x", "Length", "Metre", "Metre", "1"}), "", "", "~--digits needs a whole number", 2},
        {cv({"--digits", "0", "Length", "Metre", "Metre", "1"}), "", "", "~--digits needs a whole number", 2},
        {cv({"--digits", "18", "Length", "Metre", "Metre", "1"}), "", "", "~--digits needs a whole number from 1 to 17", 2},
        {cv({"--bogus", "Length", "Metre", "Metre", "1"}), "", "", "unknown option --bogus\n", 2},
        {{"convert", "--file", "@bad.dat", "Length", "Metre", "Metre", "1"}, "", "", "line 2: PRTB04  Open the file containing correct data.\n", 2},
        {{"convert", "--file", "@none.dat", "Length", "Metre", "Metre", "1"}, "", "", "'@none.dat'  This file cannot be found. Open the correct file.\n", 2},
    });
}

TEST_F(Cli, CalcOptionsStreamsAndStatuses) {
    expectRuns({
        {{"calc", "-5*2"}, "", "-10.0000\n", "", 0},
        {{"calc", "--comma", "1,5+1"}, "", "2,50000\n", "", 0},
        {{"calc", "--common-log", "LOG100"}, "", "2.00000\n", "", 0},
        {{"calc", "--radians", "SIN1.5707963267949"}, "", "1.00000\n", "", 0},
        {{"calc", "--integer", "2.7*1"}, "", "3\n", "", 0},
        {{"calc", "--scientific", "12.5*1"}, "", "1.25000E+01\n", "", 0},
        {{"calc", "--digits", "7", "1000000*1"}, "", "1000000\n", "", 0},
        {{"calc", "1,5+1"}, "", "Input error\n", kOnlyPeriod, 1},
        {{"calc"}, "", "", "~usage: quantimetrix-cli calc", 2},
        {{"calc", "--file", "@period.dat", "1"}, "", "", "~usage: quantimetrix-cli calc", 2},
    });
}
// clang-format on

TEST_F(Cli, HelpAndAnUnknownCommand) {
    const qmtest::CliCase all = run({"--help"});
    EXPECT_TRUE(all.status == 0 && all.out.find("\n  calc [") != std::string::npos) << all.out;
    EXPECT_EQ(run({"convert", "--help"}).out.rfind("usage: quantimetrix-cli convert [", 0), 0u);
    EXPECT_EQ(run({"bogus"}).status, 2);
}
