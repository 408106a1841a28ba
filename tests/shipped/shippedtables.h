// Loading the shipped conversion tables for the tests of their contents.
#pragma once

#include "core/numtext.h"
#include "core/recordingprompt.h"
#include "table/conversiontable.h"
#include "table/encoding.h"
#include "table/fileio.h"
#include "table/tablereader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace qm::shipped {

inline std::string periodFile() {
    return std::string(QM_SHIPPED_DATA_DIR) + "/default.dat";
}
inline std::string commaFile() {
    return std::string(QM_SHIPPED_DATA_DIR) + "/default_e.dat";
}

inline DecimalSettings periodSettings() {
    return DecimalSettings{0, "period", NumberLocale{'.', ','}};
}
inline DecimalSettings commaSettings() {
    return DecimalSettings{1, "comma", NumberLocale{',', '.'}};
}

inline std::string fileBytesOf(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(readFileBytes(path, bytes)) << path;
    return bytes;
}

// Reads a shipped file through the reader, as the program does at start-up
// (without touching the file's attribute). Fails the test on any message.
inline void loadShipped(ConversionTable& t, bool comma, double twipsPerPixel = 15) {
    const std::string text = decodeFileText(fileBytesOf(comma ? commaFile() : periodFile()));
    RecordingPrompt prompt;
    ReadContext ctx{prompt, comma ? commaSettings() : periodSettings(), "/nowhere/", twipsPerPixel};
    ASSERT_EQ(pReadTableLines(t, splitFileLines(text), ctx), 0);
    ASSERT_TRUE(prompt.messages.empty()) << prompt.messages.front().text;
}

// The Order# at which a category appears in the tree, 0 when it does not.
inline int orderOf(const ConversionTable& t, int category) {
    for (int j = 1; j <= t.pnNodeCount; ++j)
        if (t.pnNodeCategory[j] == category) return j;
    return 0;
}

} // namespace qm::shipped
