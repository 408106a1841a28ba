// Small text helpers shared by the core. Texts are UTF-8; these work on bytes,
// which is exact for the ASCII characters they look at.
#pragma once

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
// The text with its first occurrence of `from` replaced by `to`.
std::string replaceFirst(std::string_view s, char from, char to);
// Decimal text of an integer (a minus sign when negative, nothing else).
std::string intText(long long v);

} // namespace qm
