#include "engine/inputcheck.h"

namespace qm {

namespace {

// The separators of a typed text once its first comma became the period: in
// comma mode the period is the decimal separator, whatever the locale groups
// with, and only a blank stays a group separator (the one that the reading of
// the value passes over, so that what passes reads as it looks).
NumberLocale typedLocale(const DecimalSettings& dec) {
    if (dec.pnDecimalMode != 1) return dec.locale;
    return NumberLocale{'.', dec.locale.group == U' ' ? U' ' : U'\0'};
}

bool isSign(char c) {
    return c == '-' || c == '+';
}

} // namespace

int16_t pCheckDecimalSeparator(std::string_view sInput, const DecimalSettings& dec,
                               UserPrompt& prompt) {
    if (sInput.find_first_not_of(' ') == std::string_view::npos) return 0;
    const char other = dec.pnDecimalMode == 1 ? '.' : ',';
    if (sInput.find(other) == std::string_view::npos) return 0;
    prompt.showHint(5);
    return 1;
}

int16_t pConvValCheck(std::string_view s, const DecimalSettings& dec) {
    if (s.empty()) return 0;
    if (s.find(' ') != std::string_view::npos) return 1;
    // A sign passes alone (the user is typing) or before what passes without it.
    if (isSign(s.front())) {
        s.remove_prefix(1);
        if (s.empty()) return 0;
        if (isSign(s.front())) return 1;
    }
    const char last = s.back();
    if (last == 'e' || last == 'E') return 0;
    if (s.size() >= 2 && (s[s.size() - 2] == 'e' || s[s.size() - 2] == 'E') && isSign(last))
        return 0;
    return isStrictNumber(s, typedLocale(dec)) ? 0 : 1;
}

int16_t pNumCheck(std::string_view s, const DecimalSettings& dec) {
    if (s.empty()) return 0;
    return isStrictNumber(s, typedLocale(dec)) ? 0 : 1;
}

} // namespace qm
