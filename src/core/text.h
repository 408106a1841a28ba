// Small text helpers shared by the core. Texts are UTF-8; these work on bytes,
// which is exact for the ASCII characters they look at.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

std::string trimSpaces(std::string_view s); // leading and trailing blanks (' ') removed
std::string trimLeft(std::string_view s);
std::string trimRight(std::string_view s);
std::string toUpperAscii(std::string_view s);
std::string toLowerAscii(std::string_view s);
bool equalsIgnoreCaseAscii(std::string_view a, std::string_view b);
// Position of the first occurrence of needle in hay ignoring ASCII letter case,
// or npos.
std::size_t findIgnoreCaseAscii(std::string_view hay, std::string_view needle);
// With the comma as decimal separator (pnDecimalMode 1), the first `from` of a
// text that is not blank becomes `to`; otherwise the text comes back unchanged.
// The one rule behind reading a comma as the period and showing the period as
// a comma.
std::string swapDecimalMark(std::string_view text, int16_t pnDecimalMode, char from, char to);
// Decimal text of an integer (a minus sign when negative, nothing else).
std::string intText(long long v);

} // namespace qm
