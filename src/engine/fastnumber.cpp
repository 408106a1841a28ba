#include "engine/fastnumber.h"

namespace qm {

namespace {

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double fastPrefixValue(std::string_view s) {
    // Sign, digits with at most one '.', optional exponent, and nothing else;
    // at most 15 significant digits and a power of ten within 10^22, so that
    // one correctly rounded multiplication or division gives the exact reading.
    std::size_t i = 0;
    const std::size_t n = s.size();
    bool negative = false;
    if (i < n && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    uint64_t mantissa = 0;
    int digits = 0, significant = 0, scale = 0;
    bool point = false;
    for (; i < n; ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            ++digits;
            if (mantissa == 0 && c == '0') {
                if (point) --scale;
                continue;
            }
            if (++significant > 15) return pPrefixValue(s);
            mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
            if (point) --scale;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return pPrefixValue(s);
    if (i < n) {
        if (s[i] != 'e' && s[i] != 'E') return pPrefixValue(s);
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (s[j] == '-' || s[j] == '+')) expNegative = s[j++] == '-';
        int exponent = 0, expDigits = 0;
        for (; j < n && isDigit(s[j]); ++j) {
            if (++expDigits > 3) return pPrefixValue(s);
            exponent = exponent * 10 + (s[j] - '0');
        }
        if (expDigits == 0 || j != n) return pPrefixValue(s);
        scale += expNegative ? -exponent : exponent;
    }
    if (scale < -22 || scale > 22) return pPrefixValue(s);
    double v = static_cast<double>(mantissa);
    v = scale < 0 ? v / kPow10[-scale] : v * kPow10[scale];
    if (mantissa == 0) v = 0;
    return negative ? -v : v;
}

bool fastIsStrictNumber(std::string_view s, const NumberLocale& locale) {
    // Digits with at most one decimal separator: a number whenever it holds a
    // digit (300 characters cannot leave the double range).
    if (s.empty() || s.size() > 300) return pStrictNumber(s, locale).has_value();
    bool point = false, digit = false;
    for (char c : s) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == locale.decimal && !point) {
            point = true;
        } else {
            return pStrictNumber(s, locale).has_value();
        }
    }
    return digit;
}

} // namespace qm
