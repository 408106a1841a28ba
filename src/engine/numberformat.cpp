#include "engine/numberformat.h"

#include "core/runerror.h"
#include "core/text.h"
#include "engine/conversion.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace qm {

namespace {

void requireFinite(double v) {
    if (!std::isfinite(v)) throw RunError(RunErrorKind::InvalidResult, "Invalid result");
}

// A value that shows no non-zero digit is written without its minus sign.
void dropNegativeZero(std::string& s) {
    if (s.empty() || s[0] != '-') return;
    for (char c : s) {
        if (c == 'e' || c == 'E') break;
        if (c >= '1' && c <= '9') return;
    }
    s.erase(0, 1);
}

// The std::to_chars text of v with `decimals` decimals in the given format.
std::string charsText(double v, std::chars_format format, int decimals) {
    char small[400];
    std::vector<char> large;
    const std::size_t need = static_cast<std::size_t>(decimals) + 340;
    char* first = small;
    if (need > sizeof small) {
        large.resize(need);
        first = large.data();
    }
    auto r = std::to_chars(first, first + need, v, format, decimals);
    return std::string(first, r.ptr);
}

// Fixed point with exactly `decimals` decimals, correctly rounded; a text that
// ends in '.' when decimals is 0 (the "0." picture).
std::string fixedText(double v, int decimals) {
    std::string s = charsText(v, std::chars_format::fixed, decimals);
    if (decimals == 0) s += '.';
    dropNegativeZero(s);
    return s;
}

// One mantissa digit, '.', `decimals` decimals, 'E', sign, at least two
// exponent digits (the "0.00E+00" picture).
std::string scientificText(double v, int decimals) {
    std::string s = charsText(v, std::chars_format::scientific, decimals);
    const auto e = s.find('e');
    s[e] = 'E';
    if (decimals == 0) s.insert(e, 1, '.');
    dropNegativeZero(s);
    return s;
}

// The picture's text in the user's locale, brought back to the period form.
std::string localised(std::string s, const DecimalSettings& dec) {
    const char decimal = static_cast<char>(dec.locale.decimal);
    if (decimal != '.') {
        const auto pos = s.find('.');
        if (pos != std::string::npos) s[pos] = decimal;
    }
    return pCommaToPeriod(s, dec.pnDecimalMode);
}

} // namespace

int pDecimalExponent3(double dValue) {
    if (dValue == 0) return 0;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, dValue, std::chars_format::scientific, 2);
    std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
    const auto e = s.find('e');
    int exponent = 0;
    const char* first = s.data() + e + 1;
    if (*first == '+') ++first;
    std::from_chars(first, s.data() + s.size(), exponent);
    return exponent;
}

std::string pFormatScientific(double dValue, int16_t nDigits, const DecimalSettings& dec) {
    requireFinite(dValue);
    if (nDigits < 1) throw RunError(RunErrorKind::InvalidResult, "Invalid digit count");
    return localised(scientificText(dValue, nDigits - 1), dec);
}

std::string pFormatSignificant(double dValue, int16_t nDigits, const DecimalSettings& dec) {
    requireFinite(dValue);
    const int e = pDecimalExponent3(dValue);
    if (nDigits < e + 1) return pFormatScientific(dValue, nDigits, dec);
    std::string s = localised(fixedText(dValue, nDigits - e - 1), dec);
    // A value with no decimals shows no separator.
    if (!s.empty() &&
        (s.back() == '.' || s.back() == ',' || s.back() == static_cast<char>(dec.locale.decimal)))
        s.pop_back();
    return s;
}

std::string pFormatInteger(double dValue) {
    requireFinite(dValue);
    std::string s = fixedText(dValue, 0);
    s.pop_back();
    return s;
}

std::string pPeriodToComma(std::string_view sText, int16_t pnDecimalMode) {
    return swapDecimalMark(sText, pnDecimalMode, '.', ',');
}

} // namespace qm
