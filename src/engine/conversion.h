// Unit conversion arithmetic: the linear conversion between two units of one
// category, the rounding error of its result, and the temperature rule that
// clears the remainder left by the rounded Fahrenheit offset.
#pragma once

#include "core/userprompt.h"
#include "table/conversiontable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// The plus-minus sign in UTF-8.
inline constexpr const char* kPlusMinus = "\xC2\xB1";

// Message shown when the factors of the two units cannot be used.
inline constexpr const char* kInvalidFactors =
    "The conversion factors currently used seem to be invalid.";

// The two units of a conversion and what the arithmetic reads besides them.
struct UnitPair {
    const UnitRecord& from; // convert-from unit
    const UnitRecord& into; // convert-into unit
    int16_t pnDecimalMode = 0;
};

// With the comma as decimal separator, the first ',' of a non-blank text
// becomes '.'; otherwise the text comes back unchanged.
std::string pCommaToPeriod(std::string_view text, int16_t pnDecimalMode);

// The text without its first '.'.
std::string pRemovePoint(std::string_view sNumber);

// Half a unit of the last digit written in a number text (0 for a text whose
// digits read as 0). RunError(InvalidResult) for a result that is not finite.
double pRoundError(std::string_view sNumber);

// The input (already trimmed, without a final '?', commas turned) expressed in
// the convert-into unit. Reports unusable factors through the prompt and then
// gives 0.
double pConvert(const std::string& sInput, const UnitPair& units, UserPrompt& prompt);

// The rounding error of that result: the sign ± followed by the half width of
// the interval in scientific notation with 3 digits. pbExactInput false counts
// the input's own rounding. Reports unusable factors and then gives "".
std::string pGetErrString(const std::string& sInput, const UnitPair& units, bool pbExactInput,
                          UserPrompt& prompt);

// Clears the tiny remainder between units whose offsets begin with "255.3722"
// and "273.15" (either direction): below 1/10^(pnDigits-1) the result becomes
// 0 and the error text ±0.
void pSpecialTempConv(double& dResult, std::string& sError, const UnitPair& units,
                      int16_t pnDigits);

} // namespace qm
