// Tables for the editing tests: read from text with the real reader, written
// with the real writer, and the node allocation as a short text.
#pragma once

#include "common/sampletable.h"
#include "core/recordingprompt.h"
#include "table/tablereader.h"
#include "table/tablewriter.h"

#include <gtest/gtest.h>

#include <string>

namespace qm::test {

inline ConversionTable readTable(const std::string& text) {
    RecordingPrompt prompt;
    ConversionTable t;
    ReadContext ctx{prompt, DecimalSettings{}, "/nowhere/"};
    EXPECT_EQ(pReadTableLines(t, splitFileLines(text), ctx), 0)
        << (prompt.messages.empty() ? "" : prompt.messages.front().text);
    return t;
}

// The data file text, groups expanded as the table says.
inline std::string fileText(const ConversionTable& t) {
    return tableFileText(t, [&t](int node) { return t.pnCatGroupExpanded[node - 1] != 0; });
}

// "category:parent ..." in Order#.
inline std::string allocation(const ConversionTable& t) {
    std::string s;
    for (int j = 1; j <= t.pnNodeCount; ++j)
        s += (j > 1 ? " " : "") + std::to_string(t.pnNodeCategory[j]) + ":" +
             std::to_string(t.pnNodeParent[j]);
    return s;
}

} // namespace qm::test
