#include "settings/settingsvalue.h"

#include "core/numtext.h"
#include "core/runerror.h"
#include "core/text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qm {

int16_t readInteger(std::string_view text) {
    return toInt16(pPrefixValue(text));
}

int32_t readLong(std::string_view text) {
    return toInt32(pPrefixValue(text));
}

float readSingle(std::string_view text) {
    const double v = pPrefixValue(text);
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max()))
        throw RunError(RunErrorKind::Overflow, "Overflow");
    return static_cast<float>(v);
}

bool readBoolean(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    const std::string_view word = text.substr(b, e - b);
    if (equalsIgnoreCaseAscii(word, "true")) return true;
    if (equalsIgnoreCaseAscii(word, "false")) return false;
    // A number of the program's own format, whatever the user's locale.
    const std::optional<double> v = pStrictNumber(word, NumberLocale{'.', ','});
    if (!v) throw RunError(RunErrorKind::TypeMismatch, "Type mismatch");
    return *v != 0.0;
}

std::string writeInteger(int32_t value) {
    return std::to_string(value);
}

std::string writeSingle(float value) {
    if (value == 0.0f || std::isnan(value)) return "0";
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<float>::max(), value);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 7);
    std::string s(buf, res.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

std::string writeBoolean(bool value) {
    return value ? "True" : "False";
}

} // namespace qm
