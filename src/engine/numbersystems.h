// Conversion between binary, octal, decimal and hexadecimal whole numbers. The
// units of the number-system category carry their radix ("2", "8", "10",
// "16") as ratio text.
#pragma once

#include <string>
#include <string_view>

namespace qm {

inline constexpr const char* kInputError = "Input error";

// The input rewritten from the radix `fromRadix` into `intoRadix`; "" when the
// two are the same or either is not a radix text; "Input error" for a text
// that is not a number of the system or that exceeds its limits.
std::string pFormatNumber(std::string_view sInput, std::string_view fromRadix,
                          std::string_view intoRadix);

// Digits of one system into decimal digits, or "Input error". RunError
// (Overflow) for an octal value beyond 32 bits.
std::string pFmtBinToDec(std::string_view sDigits);
std::string pFmtOctToDec(std::string_view sDigits);
std::string pFmtHexToDec(std::string_view sDigits);

// Decimal digits into another system, or "Input error". RunError(Overflow)
// for a value beyond 32 bits.
std::string pFmtDecToBin(std::string_view sDigits);
std::string pFmtDecToOct(std::string_view sDigits);
std::string pFmtDecToHex(std::string_view sDigits);

} // namespace qm
