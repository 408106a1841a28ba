// Runs quantimetrix-cli convert and calc as a process on small data files.
#include "common/sampletable.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
};

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string quoted(const std::string& a) {
    std::string q = "'";
    for (char c : a)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct ConvertCase {
    std::vector<std::string> options;
    const char* category;
    const char* from;
    const char* into;
    const char* input;
    const char* out;
    const char* err;
};

class Cli : public ::testing::Test {
  protected:
    fs::path dir;
    std::string periodFile, commaFile;

    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "qm-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        std::string period, comma;
        for (const std::string& line : qm::test::physicsTableLines(false))
            period += line + "\r\n";
        for (const std::string& line : qm::test::physicsTableLines(true))
            comma += line + "\r\n";
        periodFile = write("period.dat", period);
        commaFile = write("comma.dat", comma);
    }
    void TearDown() override {
        std::error_code ec;
        for (auto& e : fs::directory_iterator(dir, ec))
            fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }

    std::string write(const char* name, const std::string& text) {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }

    Outcome run(const std::vector<std::string>& args, const std::string& input = "") {
        std::string cmd = quoted(std::string(QM_BIN_DIR) + "/quantimetrix-cli");
        for (const auto& a : args)
            cmd += " " + quoted(a);
        cmd += " < " + quoted(write("stdin.txt", input));
        cmd += " 2> " + quoted((dir / "stderr.txt").string());
        Outcome o;
        FILE* f = popen(cmd.c_str(), "r");
        if (!f) return o;
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0)
            o.out.append(buf, n);
        const int st = pclose(f);
        o.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        o.err = readFile(dir / "stderr.txt");
        return o;
    }

    template <std::size_t N> void checkConvert(const ConvertCase (&cases)[N], bool comma) {
        for (const auto& c : cases) {
            std::vector<std::string> args{"convert", "--file", comma ? commaFile : periodFile};
            if (comma) args.push_back("--comma");
            args.insert(args.end(), c.options.begin(), c.options.end());
            args.insert(args.end(), {c.category, c.from, c.into, c.input});
            const Outcome o = run(args);
            EXPECT_EQ(o.out, c.out) << c.input;
            EXPECT_EQ(o.err, c.err) << c.input;
            EXPECT_EQ(o.status, 0) << c.input;
        }
    }
};

} // namespace

TEST_F(Cli, ConvertPrintsTheConvertIntoText) {
    const ConvertCase cases[] = {
        {{}, "Length", "Metre", "Kilometre", "1500", "1.50000\n", ""},
        {{}, "Length", "#1", "#2", "1500", "1.50000\n", ""},
        {{"--digits", "7"}, "Length", "Metre", "Metre", "1000000", "1000000\n", ""},
        {{"--scientific"}, "Length", "Metre", "Metre", "12.5", "1.25000E+01\n", ""},
        {{"--integer"}, "Length", "Metre", "Metre", "2.7", "3\n", ""},
        {{"--integer", "--sci-digits", "0"},
         "Length",
         "Metre",
         "Metre",
         "1e20",
         "100000000000000000000\n",
         ""},
        {{"--sci-digits", "3"}, "Length", "Metre", "Metre", "1000.5", "1.00050E+03\n", ""},
        {{"--show-error"},
         "Length",
         "Inch",
         "Metre",
         "10?",
         "0.254000 \xC2\xB1"
         "1.27E-02\n",
         ""},
        {{"--digits", "4"}, "Temperature", "Fahrenheit", "Celsius", "32", "0.000\n", ""},
        {{}, "Number System", "Decimal", "Hexadecimal", "255", "FF\n", ""},
        {{}, "Number System", "Hexadecimal", "Binary", "FFFFFFFF", "Input error\n", ""},
        {{}, "Length", "Metre", "Metre", "abc", "Input error\n", ""},
        {{}, "Length", "Metre", "Metre", "+", "\n", ""}, // a sign alone: empty box
        {{},
         "Length",
         "Metre",
         "Metre",
         "1,5",
         "Input error\n",
         "Only a period is recognized as decimal separator.\n"},
        {{"--show-error"},
         "Length",
         "Metre",
         "Bad",
         "1",
         "0.500000 \n",
         "The conversion factors currently used seem to be invalid.\n"},
    };
    checkConvert(cases, false);
}

TEST_F(Cli, ConvertInCommaMode) {
    const ConvertCase cases[] = {
        {{}, "Length", "Metre", "Metre", "1,5", "1,50000\n", ""},
        {{"--digits", "4"}, "Temperature", "Fahrenheit", "Celsius", "32", "0,000\n", ""},
        {{},
         "Length",
         "Metre",
         "Metre",
         "1.5",
         "Input error\n",
         "Only a comma is recognized as decimal separator.\n"},
    };
    checkConvert(cases, true);
}

TEST_F(Cli, ConvertBatchFromStandardInput) {
    const Outcome o = run({"convert", "--file", periodFile, "Length", "Metre", "Kilometre", "-"},
                          "1500\n\n2,5\n1e3\r\n3");
    EXPECT_EQ(o.out, "1.50000\n\nInput error\n1.00000\n0.00300000\n");
    EXPECT_EQ(o.err, "Only a period is recognized as decimal separator.\n");
    EXPECT_EQ(o.status, 0);

    const Outcome empty = run({"convert", "--file", periodFile, "Length", "Metre", "Metre", "-"});
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.status, 0);
}

TEST_F(Cli, ConvertUsageAndLookupErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"convert", "--file", periodFile, "Mass", "Metre", "Metre", "1"},
        {"convert", "--file", periodFile, "Length", "Mile", "Metre", "1"},
        {"convert", "--file", periodFile, "Length", "Metre", "#7", "1"},
        {"convert", "--file", periodFile, "Length", "Metre", "#0", "1"},
        {"convert", "--file", periodFile, "Length", "Metre", "Metre"},
        {"convert", "--file", periodFile, "--digits", "x", "Length", "Metre", "Metre", "1"},
        {"convert", "--file", periodFile, "--digits", "0", "Length", "Metre", "Metre", "1"},
        {"convert", "--file", periodFile, "--bogus", "Length", "Metre", "Metre", "1"},
        {"convert", "--file", (dir / "missing.dat").string(), "Length", "Metre", "Metre", "1"},
        {"convert", "--file", periodFile, "", "Metre", "Metre", "1"},
    };
    for (const auto& args : cases) {
        const Outcome o = run(args);
        EXPECT_EQ(o.status, 2) << args[3];
        EXPECT_EQ(o.out, "") << args[3];
        ASSERT_FALSE(o.err.empty()) << args[3];
        EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err; // exactly one line
    }
    const Outcome missing =
        run({"convert", "--file", (dir / "missing.dat").string(), "Length", "Metre", "Metre", "1"});
    EXPECT_NE(missing.err.find("This file cannot be found. Open the correct file."),
              std::string::npos);
}

TEST_F(Cli, Calc) {
    const struct {
        std::vector<std::string> args;
        const char* out;
    } cases[] = {
        {{"2^10"}, "1024.00\n"},
        {{"--comma", "1,5+1"}, "2,50000\n"},
        {{"1,5+1"}, "Input error\n"},
        {{"--common-log", "LOG100"}, "2.00000\n"},
        {{"LOG100"}, "4.60517\n"},
        {{"--radians", "SIN1.5707963267949"}, "1.00000\n"},
        {{"SIN30"}, "0.500000\n"},
        {{"--integer", "2.7*1"}, "3\n"},
        {{"--scientific", "12.5*1"}, "1.25000E+01\n"},
        {{"--digits", "7", "1000000*1"}, "1000000\n"},
        {{"5"}, "5.00000\n"},
        {{"1/0"}, "Input error\n"},
        {{"-5*2"}, "-10.0000\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"calc"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome o = run(args);
        EXPECT_EQ(o.out, c.out) << c.args.back();
        EXPECT_EQ(o.status, 0) << c.args.back();
    }
    EXPECT_EQ(run({"calc", "1,5+1"}).err, "Only a period is recognized as decimal separator.\n");
    EXPECT_EQ(run({"calc"}).status, 2);
    EXPECT_EQ(run({"calc", "1", "2"}).status, 2);
}

TEST_F(Cli, HelpPrintsUsage) {
    for (const char* cmd : {"convert", "calc"}) {
        const Outcome o = run({cmd, "--help"});
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.out.rfind(std::string("usage: quantimetrix-cli ") + cmd, 0), 0u) << o.out;
    }
}
