// Checks the text of a data file for what the reader stops at, what the next
// save would lose, and what reads as something other than it looks.
#pragma once

#include "core/numtext.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct LintWarning {
    int line = 0; // 1-based line of the file
    std::string text;
};

struct LintReport {
    // 1-based line at which the reader fails (one past the last line when it
    // runs out of lines), or 0 when the reader accepts the file.
    int failedLine = 0;
    std::vector<LintWarning> warnings; // in line order
};

// Walks the decoded file text as the reader does (same limits, the decimal
// settings' locale for strict integers and their comma rule for numbers).
LintReport lintTableText(std::string_view text, const DecimalSettings& dec);

// A line number with a comma between digit groups: 1234 -> "1,234".
std::string groupedNumber(int n);

} // namespace qm
