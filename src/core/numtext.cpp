#include "core/numtext.h"

#include "core/runerror.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace qm {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isValBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The decimal exponent of the leading digit of a canonical number beyond the
// double range ("12.5e400" gives 401), for telling overflow from underflow; an
// exponent of any length is clamped, so that no reading can overflow.
long long decimalMagnitude(const std::string& s) {
    constexpr long long kClamp = 1'000'000'000'000;
    const std::size_t epos = s.find_first_of("eE");
    const std::string mant = s.substr(0, epos);
    const std::size_t firstNonZero = mant.find_first_of("123456789");
    if (firstNonZero == std::string::npos) return -1; // zero digits read as 0
    long long exponent = 0;
    if (epos != std::string::npos) {
        std::size_t i = epos + 1;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        for (; i < s.size(); ++i)
            exponent = std::min(kClamp, exponent * 10 + (s[i] - '0'));
        if (negative) exponent = -exponent;
    }
    const std::size_t point = mant.find('.');
    const std::size_t ref = point == std::string::npos ? mant.size() : point;
    return exponent + static_cast<long long>(ref) - static_cast<long long>(firstNonZero) -
           (firstNonZero < ref ? 1 : 0);
}

// Parses a canonical ASCII number ("-12.5e-3", digits present). Values beyond the
// double range give an infinity, values below the smallest one give zero.
double parseCanonical(const std::string& s, bool* outOfRange = nullptr) {
    const char* first = s.data();
    const char* last = s.data() + s.size();
    bool negative = false;
    if (first != last && (*first == '-' || *first == '+')) {
        negative = *first == '-';
        ++first;
    }
    double v = 0;
    auto res = std::from_chars(first, last, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        if (outOfRange) *outOfRange = true;
        v = decimalMagnitude(s) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -v : v;
}

} // namespace

namespace {

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The prefix value of a plain number text, or nullopt for any other text:
// sign, digits with at most one '.', optional exponent, and nothing else; at
// most 15 significant digits and a power of ten within 10^22, so that one
// correctly rounded multiplication or division gives the exact reading.
std::optional<double> quickPrefixValue(std::string_view s) {
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
            if (++significant > 15) return std::nullopt;
            mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
            if (point) --scale;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < n) {
        if (s[i] != 'e' && s[i] != 'E') return std::nullopt;
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (s[j] == '-' || s[j] == '+')) expNegative = s[j++] == '-';
        int exponent = 0, expDigits = 0;
        for (; j < n && isDigit(s[j]); ++j) {
            if (++expDigits > 3) return std::nullopt;
            exponent = exponent * 10 + (s[j] - '0');
        }
        if (expDigits == 0 || j != n) return std::nullopt;
        scale += expNegative ? -exponent : exponent;
    }
    if (scale < -22 || scale > 22) return std::nullopt;
    double v = static_cast<double>(mantissa);
    v = scale < 0 ? v / kPow10[-scale] : v * kPow10[scale];
    return negative ? -v : v;
}

double generalPrefixValue(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isValBlank(text[i]))
        ++i;
    if (i + 1 < n && text[i] == '&' &&
        (text[i + 1] == 'H' || text[i + 1] == 'h' || text[i + 1] == 'O' || text[i + 1] == 'o')) {
        const int radix = (text[i + 1] == 'H' || text[i + 1] == 'h') ? 16 : 8;
        double v = 0;
        for (i += 2; i < n; ++i) {
            if (isValBlank(text[i])) continue;
            int d = hexDigit(text[i]);
            if (d < 0 || d >= radix) break;
            v = v * radix + d;
        }
        return v;
    }
    std::string s;
    if (i < n && (text[i] == '+' || text[i] == '-')) s += text[i++];
    bool point = false;
    int digits = 0;
    for (; i < n; ++i) {
        char c = text[i];
        if (isValBlank(c)) continue;
        if (isDigit(c)) {
            s += c;
            ++digits;
        } else if (c == '.' && !point) {
            s += c;
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return 0.0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        while (j < n && isValBlank(text[j]))
            ++j;
        if (j < n && (text[j] == '+' || text[j] == '-')) exp += text[j++];
        bool any = false;
        for (; j < n; ++j) {
            if (isValBlank(text[j])) continue;
            if (!isDigit(text[j])) break;
            exp += text[j];
            any = true;
        }
        if (any) s += exp;
    }
    return parseCanonical(s);
}

} // namespace

double pPrefixValue(std::string_view text) {
    if (const std::optional<double> quick = quickPrefixValue(text)) return *quick;
    return generalPrefixValue(text);
}

namespace {
// The UTF-8 text of a group separator; empty when there is none.
std::string groupText(const NumberLocale& locale) {
    const char32_t c = locale.group;
    if (c == 0 || c == locale.decimal) return {};
    std::string r;
    const auto put = [&r](char32_t v) { r += static_cast<char>(v); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
    return r;
}
} // namespace

std::optional<double> pStrictNumber(std::string_view text, const NumberLocale& locale) {
    const std::string group = groupText(locale);
    const char decimal = static_cast<char>(locale.decimal);
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    std::string_view t = text.substr(b, e - b);
    std::string s;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) s += t[i++];
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (isDigit(c)) {
            s += c;
            ++digits;
        } else if (c == decimal && !point) {
            s += '.';
            point = true;
        } else if (!group.empty() && !point && i > 0 && isDigit(t[i - 1]) &&
                   t.compare(i, group.size(), group) == 0 && i + group.size() < t.size() &&
                   isDigit(t[i + group.size()])) {
            i += group.size() - 1; // a group separator between two digits of the integer part
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) s += t[i++];
        int expDigits = 0;
        for (; i < t.size() && isDigit(t[i]); ++i) {
            s += t[i];
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    double v = parseCanonical(s);
    if (std::isinf(v)) return std::nullopt;
    return v;
}

bool isStrictNumber(std::string_view s, const NumberLocale& locale) {
    // Quick answer for digits with at most one decimal separator: a number
    // whenever it holds a digit (300 characters cannot leave the double range).
    if (s.empty() || s.size() > 300) return pStrictNumber(s, locale).has_value();
    bool point = false, digit = false;
    const char decimal = static_cast<char>(locale.decimal);
    for (char c : s) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == decimal && !point) {
            point = true;
        } else {
            return pStrictNumber(s, locale).has_value();
        }
    }
    return digit;
}

namespace {
double roundHalfEven(double v) {
    double r = std::floor(v);
    double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    return r;
}

template <typename T> T toIntChecked(double value) {
    if (!std::isfinite(value)) throw RunError(RunErrorKind::Overflow, "Overflow");
    double r = roundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        throw RunError(RunErrorKind::Overflow, "Overflow");
    return static_cast<T>(r);
}
} // namespace

int16_t toInt16(double value) {
    return toIntChecked<int16_t>(value);
}
int32_t toInt32(double value) {
    return toIntChecked<int32_t>(value);
}

int16_t strictInt16(std::string_view text, const NumberLocale& locale) {
    std::optional<double> v = pStrictNumber(text, locale);
    if (!v) throw RunError(RunErrorKind::TypeMismatch, "Type mismatch");
    return toInt16(*v);
}

int16_t lenientInt16(std::string_view text) {
    return toInt16(pPrefixValue(text));
}

} // namespace qm
