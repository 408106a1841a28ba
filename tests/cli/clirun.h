// Runs quantimetrix-cli as a process in a fresh folder and compares standard
// output, standard error and exit status with a table of expected runs.
#pragma once

#include "table/tabletestutil.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace qmtest {

// One run: an argument "@NAME" is the file NAME of the test's folder, and so is
// "@NAME" in the expected texts; an expected error "~TEXT" is one line that
// begins with TEXT.
struct CliCase {
    std::vector<std::string> args;
    std::string input, out, err;
    int status;
};

class CliTest : public ::testing::Test {
  protected:
    TempDir dir;

    // Replaces each "@" by the folder's path.
    std::string paths(std::string s) const {
        for (auto at = s.find('@'); at != std::string::npos; at = s.find('@', at))
            s.replace(at, 1, dir.folder());
        return s;
    }

    CliCase run(const std::vector<std::string>& args, const std::string& input = "") {
        std::string cmd = std::string(QM_BIN_DIR) + "/quantimetrix-cli";
        for (const auto& a : args)
            cmd += " '" + paths(a) + "'";
        writeBytes(dir.file("stdin.txt"), input);
        cmd += " < " + dir.file("stdin.txt") + " 2> " + dir.file("stderr.txt");
        CliCase r{args, input, {}, {}, -1};
        FILE* f = popen(cmd.c_str(), "r");
        char buf[4096];
        for (std::size_t n; f && (n = fread(buf, 1, sizeof buf, f)) > 0;)
            r.out.append(buf, n);
        const int st = f ? pclose(f) : -1;
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        r.err = readBytes(dir.file("stderr.txt"));
        return r;
    }

    void expectRuns(const std::vector<CliCase>& cases) {
        for (const CliCase& c : cases) {
            const CliCase r = run(c.args, c.input);
            const std::string what = c.args.empty() ? "" : c.args.back();
            EXPECT_EQ(r.out, paths(c.out)) << what;
            EXPECT_EQ(r.status, c.status) << what;
            if (c.err.rfind('~', 0) != 0) {
                EXPECT_EQ(r.err, paths(c.err)) << what;
            } else {
                EXPECT_EQ(r.err.rfind(paths(c.err.substr(1)), 0), 0u) << r.err;
                EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
            }
        }
    }
};

} // namespace qmtest
