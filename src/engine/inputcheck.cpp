#include "engine/inputcheck.h"

namespace qm {

int16_t pCheckDecimalSeparator(std::string_view sInput, const DecimalSettings& dec,
                               UserPrompt& prompt) {
    if (sInput.find_first_not_of(' ') == std::string_view::npos) return 0;
    const char other = dec.pnDecimalMode == 1 ? '.' : ',';
    if (dec.pnDecimalMode != 0 && dec.pnDecimalMode != 1) return 0;
    if (sInput.find(other) == std::string_view::npos) return 0;
    prompt.showHint(5);
    return 1;
}

int16_t pConvValCheck(std::string_view s, const DecimalSettings& dec) {
    if (s.empty()) return 0;
    if (s.find(' ') != std::string_view::npos) return 1;
    if (s.front() == '-' || s.front() == '+') return 0;
    const char last = s.back();
    if (last == 'e' || last == 'E') return 0;
    if (s.size() >= 2 && (s[s.size() - 2] == 'e' || s[s.size() - 2] == 'E') &&
        (last == '-' || last == '+'))
        return 0;
    return isStrictNumber(s, dec.locale) ? 0 : 1;
}

int16_t pNumCheck(std::string_view s, const DecimalSettings& dec) {
    if (s.empty()) return 0;
    return isStrictNumber(s, dec.locale) ? 0 : 1;
}

} // namespace qm
