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
// digits read as 0); the exponent (E or D) does not count as digits.
// RunError(InvalidResult) for a result that is not finite.
double pRoundError(std::string_view sNumber);

// Why a computation of the conversion gave no result.
enum class ConvFailure {
    None,
    InvalidFactors, // the factors cannot be used (reported through the prompt)
    InputOverflow,  // valid factors, but the input makes the result overflow
};

struct ConvValue {
    double value = 0;
    ConvFailure failure = ConvFailure::None;
};

struct ErrorText {
    std::string text;
    ConvFailure failure = ConvFailure::None;
};

// The input (already trimmed, without a final '?', commas turned) expressed in
// the convert-into unit. A convert-into ratio that is 0 or no number, a factor
// beyond the double range, or any failure that the input 0 meets too is an
// invalid factor: reported, and no value. A failure that only the input causes
// is an input overflow, not reported.
ConvValue pConvert(const std::string& sInput, const UnitPair& units, UserPrompt& prompt);

// The rounding error of that result: the sign ± followed by the half width of
// the interval in scientific notation with 3 digits. pbExactInput false counts
// the input's own rounding. Failures are told apart as by pConvert.
ErrorText pGetErrString(const std::string& sInput, const UnitPair& units, bool pbExactInput,
                        UserPrompt& prompt);

// Clears the tiny remainder between units whose offsets begin with "255.3722"
// and "273.15" (either direction): below 1/10^(pnDigits-1) the result becomes
// 0 and the error text ±0.
void pSpecialTempConv(double& dResult, std::string& sError, const UnitPair& units,
                      int16_t pnDigits);

} // namespace qm
