// The one-step calculator: a single operation between two numbers or a single
// function of one number, with the names PI and PA standing for numbers, and
// the result text as the calculator window shows it.
#pragma once

#include "core/numtext.h"
#include "core/userprompt.h"
#include "engine/numberstyle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// The calculator's option menu: logarithm and angle choices.
struct CalcOptions {
    int16_t pnLogType = 0;  // 0 natural logarithm, 1 common logarithm
    int16_t pnTrigType = 0; // 0 degrees, 1 radians
};

inline constexpr const char* kPiText = "3.14159265358979";
inline constexpr const char* kPaText = "3.141986363";

// sInput with its first occurrence of sTarget (any letter case) replaced.
std::string mReplaceString(std::string_view sInput, std::string_view sTarget,
                           std::string_view sReplace);

// Evaluates a formula: one function of a number, one operator between two
// numbers, or a plain number (or name) that is its own value. nError counts the
// malformed or missing numbers; it is 1 for a text that is no formula, and 1
// after a wrong decimal separator (with tip 5 shown), and dResult is then left
// as it was. Arithmetic failures (division by zero, the
// logarithm of 0, overflow, an undefined power) raise RunError.
void mCalculate(std::string_view sInput, double& dResult, int16_t& nError,
                const CalcOptions& options, const DecimalSettings& dec, UserPrompt& prompt);

// Evaluates a formula and returns the result box text: the formatted value by
// the number-style options, or "Input error".
std::string mCalcResultText(std::string_view formula, const NumberStyle& style,
                            const CalcOptions& options, const DecimalSettings& dec,
                            UserPrompt& prompt);

} // namespace qm
