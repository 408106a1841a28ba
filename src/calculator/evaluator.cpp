#include "calculator/evaluator.h"

#include "core/runerror.h"
#include "core/text.h"
#include "engine/conversion.h"
#include "engine/inputcheck.h"
#include "engine/numberformat.h"
#include "engine/numbersystems.h"

#include <cmath>
#include <numbers>

namespace qm {

namespace {

double checked(double v) {
    return checkedResult(v);
}

double applyFunction(int code, double x, const CalcOptions& o) {
    const double factor = o.pnTrigType == 0 ? std::numbers::pi / 180.0 : 1.0;
    switch (code) {
    case 1:
        return checked(std::sin(checked(x * factor)));
    case 2:
        return checked(std::cos(checked(x * factor)));
    case 3:
        return checked(std::tan(checked(x * factor)));
    case 4:
        return checked(std::sqrt(std::fabs(x)));
    default: {
        const double ln = checked(std::log(std::fabs(x))); // the logarithm of 0 fails here
        return o.pnLogType == 0 ? ln : checked(ln / std::log(10.0));
    }
    }
}

double applyOperator(char op, double a, double b) {
    switch (op) {
    case '+':
        return checked(a + b);
    case '-':
        return checked(a - b);
    case '*':
        return checked(a * b);
    case '/':
        return checked(a / b); // a division by zero fails here
    default:
        return checked(std::pow(a, b)); // and so does 0 to a negative power
    }
}

} // namespace

std::string mReplaceString(std::string_view sInput, std::string_view sTarget,
                           std::string_view sReplace) {
    const std::size_t p = findIgnoreCaseAscii(sInput, sTarget);
    if (sTarget.empty() || p == std::string::npos) return std::string(sInput);
    std::string r(sInput.substr(0, p));
    r += sReplace;
    r += sInput.substr(p + sTarget.size());
    return r;
}

void mCalculate(std::string_view sInput, double& dResult, int16_t& nError,
                const CalcOptions& options, const DecimalSettings& dec, UserPrompt& prompt) {
    nError = pCheckDecimalSeparator(sInput, dec, prompt);
    if (nError > 0) return;

    const std::string typed = trimSpaces(sInput);
    std::string f = typed;
    f = mReplaceString(f, "PI", kPiText);
    f = mReplaceString(f, "PI", kPiText);
    f = mReplaceString(f, "PA", kPaText);
    f = mReplaceString(f, "PA", kPaText);
    const std::size_t len = f.size();

    // The first function name decides.
    static const char* const kNames[] = {"SIN", "COS", "TAN", "SQR", "LOG"};
    for (std::size_t i = 0; i + 3 <= len; ++i) {
        const std::string_view three(f.data() + i, 3);
        for (int code = 1; code <= 5; ++code) {
            if (!equalsIgnoreCaseAscii(three, kNames[code - 1])) continue;
            // The argument follows the name, or precedes it when the name ends
            // the formula.
            const std::string argText = i + 3 < len ? f.substr(i + 3) : f.substr(0, i);
            const std::string arg = pCommaToPeriod(argText, dec.pnDecimalMode);
            nError = pNumCheck(arg, dec);
            dResult = applyFunction(code, pPrefixValue(arg), options);
            return;
        }
    }

    // Otherwise the first operator decides; a sign after an exponent letter,
    // and the first character, are parts of numbers.
    for (std::size_t i = 1; i < len; ++i) {
        const char c = f[i];
        const char p = f[i - 1];
        const bool sign = (c == '+' || c == '-') && p != 'E' && p != 'e';
        if (!sign && c != '*' && c != '/' && c != '^') continue;
        const std::string left = pCommaToPeriod(f.substr(0, i), dec.pnDecimalMode);
        const std::string right = pCommaToPeriod(f.substr(i + 1), dec.pnDecimalMode);
        // An operator needs its right operand.
        nError = static_cast<int16_t>(pNumCheck(left, dec) + (right.empty() ? 1 : 0) +
                                      pNumCheck(right, dec));
        dResult = applyOperator(c, pPrefixValue(left), pPrefixValue(right));
        return;
    }

    // No function and no operator: a number, or a name alone, is its own value;
    // any other text is no formula.
    const std::string number = pCommaToPeriod(typed, dec.pnDecimalMode);
    const bool name = equalsIgnoreCaseAscii(typed, "PI") || equalsIgnoreCaseAscii(typed, "PA");
    if (!name && (number.empty() || pNumCheck(number, dec) != 0)) {
        nError = 1;
        return;
    }
    dResult = pPrefixValue(pCommaToPeriod(f, dec.pnDecimalMode));
}

std::string mCalcResultText(std::string_view formula, const NumberStyle& style,
                            const CalcOptions& options, const DecimalSettings& dec,
                            UserPrompt& prompt) {
    try {
        double dResult = 0;
        int16_t nError = 0;
        mCalculate(formula, dResult, nError, options, dec, prompt);
        if (nError != 0) return kInputError;
        const double m = std::fabs(dResult);
        std::string s;
        if (0.000001 <= m && m <= 1000000) {
            if (style.pnInteger == 1) {
                s = pFormatInteger(dResult);
            } else if (style.scientific()) {
                s = pFormatScientific(dResult, style.pnDigits, dec);
            } else {
                s = pFormatSignificant(dResult, style.pnDigits, dec);
                if (s.size() > 14) s = pFormatScientific(dResult, style.pnDigits, dec);
            }
        } else {
            s = pFormatScientific(dResult, style.pnDigits, dec);
        }
        return pPeriodToComma(s, dec.pnDecimalMode);
    } catch (const std::exception&) {
        return kInputError;
    }
}

} // namespace qm
