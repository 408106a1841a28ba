// check, resave and list of quantimetrix-cli, run as the user would.
#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

// The exit status and standard output of one run.
std::pair<int, std::string> run(const std::string& args) {
    const std::string cmd = std::string(QM_BIN_DIR) + "/quantimetrix-cli " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return {-1, {}};
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    const int st = pclose(p);
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, out};
}

} // namespace

TEST(CliTable, CheckResaveAndList) {
    qmtest::TempDir dir;
    const std::string good = dir.file("small.dat");
    qmtest::writeBytes(good, qmtest::readBytes(std::string(QM_TEST_DATA_DIR) + "/small.dat"));
    qmtest::writeBytes(dir.file("bad.dat"), "G;1\r\n");
    const std::string none = dir.file("none.dat");
    const std::string counts = "2 groups, 4 categories, 10 units\n";
    const std::pair<std::string, std::pair<int, std::string>> cases[] = {
        {"check " + good, {0, counts}},
        {"check --comma " + good, {0, counts}},
        {"check " + dir.file("bad.dat"), {1, "PRTB04\n\nOpen the file containing correct data.\n"}},
        {"check " + none,
         {1, "'" + none + "'\n\nThis file cannot be found. Open the correct file.\n"}},
        {"check", {2, ""}},
        {"check --bogus " + good, {2, ""}},
        {"list --file " + good,
         {0, "\tNumber System\n\tConstants\nSpace and Time\t  Length  \nMechanics\tMass\n"}},
        {"list --file " + good + " Mass",
         {0, "Kilogram\t1\t0\nPound (avoirdupois)\t0.45359237\t0\n"}},
        {"list --file " + good + " Nothing", {2, ""}},
        {"list --file " + none, {2, ""}},
        {"resave " + good + " " + dir.file("out.dat"), {0, ""}},
        {"resave " + none + " " + dir.file("x.dat"), {1, ""}},
        {"resave " + good + " " + dir.file("no/folder/x.dat"), {1, ""}},
        {"resave " + good, {2, ""}},
    };
    const unsigned mode = qmtest::modeOf(good);
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(run(args), expected) << args;
    EXPECT_EQ(qmtest::modeOf(good), mode); // reading leaves the file as it was
    // resave keeps the groups' expanded flags.
    const std::string out = qmtest::readBytes(dir.file("out.dat"));
    EXPECT_EQ(out.substr(0, 36), "Space and Time;1\r\nMechanics;0\r\n;E;\r\n");
    EXPECT_NE(out.find("\r\n1;Length;3\r\n"), std::string::npos);
}
