// check, resave and list of quantimetrix-cli, run as the user would.
#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct RunResult {
    int status;
    std::string out;
};

RunResult run(const std::string& args) {
    const std::string cmd = std::string(QM_BIN_DIR) + "/quantimetrix-cli " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    RunResult r{-1, {}};
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

std::string copyGolden(const qmtest::TempDir& dir) {
    const std::string path = dir.file("small.dat");
    qmtest::writeBytes(path, qmtest::readBytes(std::string(QM_TEST_DATA_DIR) + "/small.dat"));
    return path;
}

} // namespace

TEST(CliTable, CheckCountsOrPrintsTheReadersMessage) {
    qmtest::TempDir dir;
    const std::string good = copyGolden(dir);
    qmtest::writeBytes(dir.file("bad.dat"), "G;1\r\n");
    struct Case {
        std::string args;
        int status;
        std::string out;
    } cases[] = {
        {"check " + good, 0, "2 groups, 4 categories, 10 units\n"},
        {"check --comma " + good, 0, "2 groups, 4 categories, 10 units\n"},
        {"check " + dir.file("bad.dat"), 1, "PRTB04\n\nOpen the file containing correct data.\n"},
        {"check " + dir.file("none.dat"), 1,
         "'" + dir.file("none.dat") + "'\n\nThis file cannot be found. Open the correct file.\n"},
        {"check", 2, ""},
        {"check --bogus " + good, 2, ""},
    };
    for (const auto& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

TEST(CliTable, ResaveWritesTheTableAndKeepsTheExpandedFlags) {
    qmtest::TempDir dir;
    const std::string good = copyGolden(dir);
    EXPECT_EQ(run("resave " + good + " " + dir.file("out.dat")).status, 0);
    const std::string out = qmtest::readBytes(dir.file("out.dat"));
    EXPECT_EQ(out.substr(0, 36), "Space and Time;1\r\nMechanics;0\r\n;E;\r\n");
    EXPECT_NE(out.find("\r\n1;Length;3\r\n"), std::string::npos);
    EXPECT_EQ(run("resave " + dir.file("missing.dat") + " " + dir.file("x.dat")).status, 1);
    EXPECT_EQ(run("resave " + good + " " + dir.file("no/folder/x.dat")).status, 1);
    EXPECT_EQ(run("resave " + good).status, 2);
}

TEST(CliTable, ListsCategoriesInTreeOrderOrTheUnitsOfOne) {
    qmtest::TempDir dir;
    const std::string good = copyGolden(dir);
    RunResult all = run("list --file " + good);
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out,
              "\tNumber System\n\tConstants\nSpace and Time\t  Length  \nMechanics\tMass\n");
    RunResult mass = run("list --file " + good + " Mass");
    EXPECT_EQ(mass.status, 0);
    EXPECT_EQ(mass.out, "Kilogram\t1\t0\nPound (avoirdupois)\t0.45359237\t0\n");
    EXPECT_EQ(run("list --file " + good + " Nothing").status, 2);
    EXPECT_EQ(run("list --file " + dir.file("missing.dat")).status, 2);
}
