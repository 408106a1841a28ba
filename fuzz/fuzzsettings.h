// Decimal settings and number styles picked by one byte of a fuzz input, so
// each harness tries the period and comma modes, the locales that go with
// them and the unusual ones.
#pragma once

#include "core/numtext.h"
#include "engine/numberstyle.h"

#include <cstdint>

namespace qm::fuzz {

inline DecimalSettings decimalSettings(uint8_t b) {
    static const NumberLocale kLocales[] = {{'.', ','}, {',', '.'}, {',', ' '}, {'.', '\''}};
    static const char* const kNames[] = {"period", "comma", ""};
    DecimalSettings dec;
    dec.pnDecimalMode = static_cast<int16_t>(b % 3); // 2: neither mode
    dec.locale = kLocales[(b / 3) % 4];
    dec.psDecimalSeparatorName = kNames[(b / 12) % 3];
    return dec;
}

inline NumberStyle numberStyle(uint8_t b) {
    NumberStyle style;
    style.pnDigits = static_cast<int16_t>(1 + b % 16);
    style.pnSciDigits = static_cast<int16_t>(b % 9);
    style.pnInteger = (b >> 4) & 1;
    style.pnNumFormat = (b >> 5) & 1;
    style.pbShowError = (b >> 6) & 1;
    style.deriveSciBounds();
    return style;
}

} // namespace qm::fuzz
