// Reading numbers from text: the lenient prefix value, the strict locale-aware
// test, and integer conversions that round halves to even and check the range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The user's regional number format, handed in by the platform layer.
// Both separators are code points; the decimal separator is ASCII.
struct NumberLocale {
    char32_t decimal = U'.';
    char32_t group = U','; // the digit-group separator; 0 when the locale has none
};

// How numbers are typed and shown on this system (decimal-separator check).
struct DecimalSettings {
    int16_t pnDecimalMode = 0;          // 0 period, 1 comma
    std::string psDecimalSeparatorName; // "period", "comma" or empty
    NumberLocale locale;                // the locale's separators
};

// The longest leading number of a text; never fails. Leading blanks, tabs and
// line feeds are skipped and such characters inside the number are ignored; an
// optional sign, digits with at most one '.', an optional exponent (E, e, D or d,
// optional sign, digits). "&H" and "&O" read hexadecimal and octal integers.
// A text with no leading number gives 0; a magnitude beyond the double range
// gives an infinity.
double pPrefixValue(std::string_view text);

// The whole text, with blanks allowed around it, as a number of the given
// locale: sign, digits with group separators between them, at most one decimal
// separator, optional exponent. nullopt when the text is not such a number or
// its value lies beyond the double range.
std::optional<double> pStrictNumber(std::string_view text, const NumberLocale& locale);

// Whether the whole text is a number of the locale, as pStrictNumber tells.
bool isStrictNumber(std::string_view text, const NumberLocale& locale);

// Round to the nearest integer, halves to the even neighbour, and check the
// range of the type: RunError(Overflow) outside it (NaN and infinities too).
int16_t toInt16(double value);
int32_t toInt32(double value);

// A strict integer: the whole text as a number of the locale, rounded to a
// 16-bit integer. RunError(TypeMismatch) for text that is not a number,
// RunError(Overflow) outside the range.
int16_t strictInt16(std::string_view text, const NumberLocale& locale);

// A lenient integer: the prefix value rounded to 16 bits (RunError(Overflow)
// outside the range).
int16_t lenientInt16(std::string_view text);

} // namespace qm
