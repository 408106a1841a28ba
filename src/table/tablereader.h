// Reading the conversion table from its data file.
#pragma once

#include "core/numtext.h"
#include "core/userprompt.h"
#include "table/conversiontable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// What the reader needs from its surroundings.
struct ReadContext {
    UserPrompt& prompt;
    DecimalSettings decimal;    // default file name and strict integers
    std::string programFolder;  // folder of the default data files
    double twipsPerPixel = 15;  // for the pixel rule
    bool pbSplashShown = false; // the About window is open
};

inline constexpr int kMaxFileLines = 32767;
inline constexpr int kMaxCategoryPartLines = 10000;

// Field n (1-based) of a line: the text between the (n-1)-th and n-th ';'
// (empty beyond the last field). `expected` is the number of fields the caller
// reads; it does not change the result.
std::string pGetField(std::string_view line, int n, int expected);

// True when the line, trimmed of spaces, is exactly ";E;".
bool isEndLine(std::string_view line);

// Position of the first CR or LF at or after `from`, or npos.
std::size_t findLineEnd(std::string_view text, std::size_t from);

// Splits decoded file text into lines (CR LF, CR or LF end a line); the lines
// point into `text`. Throws RunError(Overflow) past kMaxFileLines lines.
std::vector<std::string_view> splitFileLines(std::string_view text);

// Fills the table from the lines of a data file. Returns 0 on success, 1 on
// failure, which it has reported through the prompt (the messages name limits
// or the progress label).
int16_t pReadTableLines(ConversionTable& t, const std::vector<std::string_view>& lines,
                        const ReadContext& ctx);

// Reads the file named by t.psTableFile (the default file of the program's
// folder when it is empty, stored back into psTableFile). 0 success, 1 failure
// (already reported).
int16_t pReadTable(ConversionTable& t, const ReadContext& ctx);

// The default data file name for the decimal mode.
std::string defaultTableName(int16_t pnDecimalMode);

} // namespace qm
