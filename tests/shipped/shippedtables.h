// The shipped conversion tables, read as the program reads them, for the tests
// of their contents. Every test runs on both files: default.dat (decimal
// periods) and default_e.dat (decimal commas).
#pragma once

#include "core/numtext.h"
#include "core/recordingprompt.h"
#include "table/conversiontable.h"
#include "table/encoding.h"
#include "table/fileio.h"
#include "table/tablereader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qm::shipped {

inline std::string shippedFile(bool comma) {
    return std::string(QM_SHIPPED_DATA_DIR) + (comma ? "/default_e.dat" : "/default.dat");
}

inline std::string fileBytesOf(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(readFileBytes(path, bytes)) << path;
    return bytes;
}

class ShippedTable : public ::testing::TestWithParam<bool> {
  protected:
    ConversionTable t;
    // Reads the file as the program does at start-up on a 96 dpi screen; any
    // message fails the test.
    void SetUp() override {
        RecordingPrompt prompt;
        ReadContext ctx{prompt, decimal(), "/nowhere/", 15};
        const std::string text = decodeFileText(fileBytesOf(shippedFile(GetParam())));
        ASSERT_EQ(pReadTableLines(t, splitFileLines(text), ctx), 0);
        ASSERT_TRUE(prompt.messages.empty()) << prompt.messages.front().text;
    }
    DecimalSettings decimal() const {
        return GetParam() ? DecimalSettings{1, "comma", NumberLocale{',', '.'}}
                          : DecimalSettings{0, "period", NumberLocale{'.', ','}};
    }
    // A number of the file's locale; NaN when the text is none.
    double number(const std::string& text) const {
        return pStrictNumber(text, decimal().locale).value_or(NAN);
    }
    int category(int order) const { return t.pnNodeCategory[order]; }
    int orderOf(int c) const {
        for (int j = 1; j <= t.pnNodeCount; ++j)
            if (t.pnNodeCategory[j] == c) return j;
        return 0;
    }
};

} // namespace qm::shipped
