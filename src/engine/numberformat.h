// Writing results: significant digits in fixed-point notation, scientific
// notation, integers, and the comma for display.
#pragma once

#include "core/numtext.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// dValue with nDigits significant digits in fixed-point notation, or in
// scientific notation when its integer part needs more than nDigits digits.
// The text carries a period as decimal separator.
std::string pFormatSignificant(double dValue, int16_t nDigits, const DecimalSettings& dec = {});

// dValue in scientific notation with nDigits significant digits ("1.23E+04").
std::string pFormatScientific(double dValue, int16_t nDigits, const DecimalSettings& dec = {});

// dValue rounded to an integer.
std::string pFormatInteger(double dValue);

// Display form of a number text: with the comma as decimal separator the first
// '.' becomes ','.
std::string pPeriodToComma(std::string_view sText, int16_t pnDecimalMode);

// The decimal exponent of dValue rounded to 3 significant digits (0 for 0).
int pDecimalExponent3(double dValue);

} // namespace qm
