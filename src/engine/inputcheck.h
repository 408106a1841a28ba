// Whether a typed text may be converted: the decimal separator, the numeric
// form with the usual unfinished entries let through, and the plain numeric
// test. Each returns 0 when the text passes and 1 when it fails.
#pragma once

#include "core/numtext.h"
#include "core/userprompt.h"

#include <cstdint>
#include <string_view>

namespace qm {

// 1 (and tip 5 shown) when the text holds the separator that is not the
// decimal one.
int16_t pCheckDecimalSeparator(std::string_view sInput, const DecimalSettings& dec,
                               UserPrompt& prompt);

// Passes an empty text, a sign alone or before a text that passes, a trailing
// exponent letter or exponent sign, and any number; fails a text with a blank.
// In comma mode the text comes with its first comma turned into the period,
// which is then the decimal separator whatever the locale groups with.
int16_t pConvValCheck(std::string_view sInput, const DecimalSettings& dec);

// Passes an empty text and any number of the locale.
int16_t pNumCheck(std::string_view sInput, const DecimalSettings& dec);

} // namespace qm
