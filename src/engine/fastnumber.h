// Quick readings of the plain number texts that make up nearly every table
// entry and input ("1609.344", "-3.75", "1e-9"). Each gives exactly what the
// general reading gives and falls back to it for anything else.
#pragma once

#include "core/numtext.h"

#include <cstdint>
#include <string_view>

namespace qm {

// The prefix value of a text, as pPrefixValue.
double fastPrefixValue(std::string_view text);

// Whether the whole text is a number of the locale, as pStrictNumber.
bool fastIsStrictNumber(std::string_view text, const NumberLocale& locale);

} // namespace qm
