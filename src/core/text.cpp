#include "core/text.h"

#include <algorithm>

namespace qm {

std::string trimLeft(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && s[b] == ' ')
        ++b;
    return std::string(s.substr(b));
}

std::string trimRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && s[e - 1] == ' ')
        --e;
    return std::string(s.substr(0, e));
}

std::string trimSpaces(std::string_view s) {
    return trimLeft(trimRight(s));
}

std::string toUpperAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::string toLowerAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool equalsIgnoreCaseAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

std::size_t findIgnoreCaseAscii(std::string_view hay, std::string_view needle) {
    return toUpperAscii(hay).find(toUpperAscii(needle));
}

std::string swapDecimalMark(std::string_view text, int16_t pnDecimalMode, char from, char to) {
    std::string r(text);
    if (pnDecimalMode != 1 || r.find_first_not_of(' ') == std::string::npos) return r;
    const auto pos = r.find(from);
    if (pos != std::string::npos) r[pos] = to;
    return r;
}

std::string intText(long long v) {
    return std::to_string(v);
}

} // namespace qm
