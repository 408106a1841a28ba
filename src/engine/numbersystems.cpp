#include "engine/numbersystems.h"

#include "core/numtext.h"
#include "core/runerror.h"

#include <cmath>
#include <cstdint>

namespace qm {

namespace {

bool allOf(std::string_view s, bool (*ok)(char)) {
    for (auto it = s.rbegin(); it != s.rend(); ++it)
        if (!ok(*it)) return false;
    return true;
}

bool isBin(char c) {
    return c == '0' || c == '1';
}
bool isOct(char c) {
    return c >= '0' && c <= '7';
}
bool isDec(char c) {
    return c >= '0' && c <= '9';
}
bool isHex(char c) {
    return isDec(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The whole decimal text as a 32-bit signed value (RunError(Overflow) beyond).
int32_t decValue(std::string_view digits) {
    if (digits.empty()) throw RunError(RunErrorKind::TypeMismatch, "Type mismatch");
    return toInt32(pPrefixValue(digits));
}

std::string inRadix(uint32_t v, unsigned radix) {
    static const char kDigits[] = "0123456789ABCDEF";
    if (v == 0) return "0";
    std::string s;
    while (v > 0) {
        s.insert(s.begin(), kDigits[v % radix]);
        v /= radix;
    }
    return s;
}

} // namespace

std::string pFmtBinToDec(std::string_view s) {
    if (s.size() > 16 || !allOf(s, isBin)) return kInputError;
    int32_t sum = 0;
    int32_t weight = 1;
    for (auto it = s.rbegin(); it != s.rend(); ++it, weight *= 2)
        if (*it == '1') sum += weight;
    return std::to_string(sum);
}

std::string pFmtOctToDec(std::string_view s) {
    if (s.size() > 11 || !allOf(s, isOct)) return kInputError;
    int32_t sum = 0;
    double weight = 1;
    for (auto it = s.rbegin(); it != s.rend(); ++it, weight *= 8)
        sum = toInt32(static_cast<double>(*it - '0') * weight + sum);
    return std::to_string(sum);
}

std::string pFmtHexToDec(std::string_view s) {
    if (s.size() > 8 || !allOf(s, isHex)) return kInputError;
    double sum = 0;
    double weight = 1;
    for (auto it = s.rbegin(); it != s.rend(); ++it, weight *= 16) {
        const char digit[] = {'&', 'H', *it, '\0'};
        sum = pPrefixValue(digit) * weight + sum;
    }
    return std::to_string(static_cast<long long>(sum));
}

std::string pFmtDecToBin(std::string_view s) {
    if (!allOf(s, isDec)) return kInputError;
    const int32_t v = toInt32(std::fabs(pPrefixValue(s)));
    if (v > 0xFFFF) return kInputError;
    std::string bits(16, '0');
    for (int b = 15; b >= 0; --b)
        if (v & (1 << b)) bits[static_cast<std::size_t>(15 - b)] = '1';
    return bits;
}

std::string pFmtDecToOct(std::string_view s) {
    if (!allOf(s, isDec)) return kInputError;
    return inRadix(static_cast<uint32_t>(decValue(s)), 8);
}

std::string pFmtDecToHex(std::string_view s) {
    if (!allOf(s, isDec)) return kInputError;
    return inRadix(static_cast<uint32_t>(decValue(s)), 16);
}

std::string pFormatNumber(std::string_view sInput, std::string_view from, std::string_view into) {
    const auto isRadix = [](std::string_view r) {
        return r == "2" || r == "8" || r == "10" || r == "16";
    };
    if (from == into || !isRadix(from) || !isRadix(into)) return {};
    try {
        const auto fromDec = [&](std::string_view dec) -> std::string {
            if (into == "2") return pFmtDecToBin(dec);
            if (into == "8") return pFmtDecToOct(dec);
            if (into == "16") return pFmtDecToHex(dec);
            return std::string(dec);
        };
        if (from == "10") return fromDec(sInput);
        const std::string dec = from == "2"   ? pFmtBinToDec(sInput)
                                : from == "8" ? pFmtOctToDec(sInput)
                                              : pFmtHexToDec(sInput);
        return fromDec(dec);
    } catch (const RunError&) {
        return kInputError;
    }
}

} // namespace qm
