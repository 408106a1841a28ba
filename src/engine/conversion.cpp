#include "engine/conversion.h"

#include "core/numtext.h"
#include "core/runerror.h"
#include "core/text.h"
#include "engine/numberformat.h"

#include <cmath>

namespace qm {

namespace {

bool isBlankText(std::string_view s) {
    for (char c : s)
        if (c != ' ') return false;
    return true;
}

double checked(double v) {
    return checkedResult(v);
}

double quotient(double a, double b) {
    if (b == 0) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
    return checked(a / b);
}

// The prefix value of a table text after the comma rule (no copy in period mode).
double numberOf(std::string_view text, int16_t mode) {
    if (mode != 1) return pPrefixValue(text);
    return pPrefixValue(pCommaToPeriod(text, mode));
}

// The error of a ratio or offset: its own text when given, else derived from
// the digits of the value.
double errorOf(const std::string& errorText, const std::string& valueText, int16_t mode) {
    if (!isBlankText(errorText)) return numberOf(errorText, mode);
    if (mode != 1) return pRoundError(valueText);
    return pRoundError(pCommaToPeriod(valueText, mode));
}

} // namespace

std::string pCommaToPeriod(std::string_view text, int16_t pnDecimalMode) {
    return swapDecimalMark(text, pnDecimalMode, ',', '.');
}

std::string pRemovePoint(std::string_view sNumber) {
    std::string r(sNumber);
    const auto pos = r.find('.');
    if (pos != std::string::npos) r.erase(pos, 1);
    return r;
}

double pRoundError(std::string_view sNumber) {
    // The digits without the point, cut before the exponent letter.
    std::string t = pRemovePoint(sNumber);
    const auto e = t.find_first_of("EeDd");
    if (e != std::string::npos) t.erase(e);
    const double digits = pPrefixValue(t);
    if (digits == 0) return 0;
    return std::fabs(checked(checked(pPrefixValue(sNumber) / digits) * 0.5));
}

namespace {

// The four factors of a pair of units, each a finite number.
struct Factors {
    double rateFrom, rateInto, offsetFrom, offsetInto;
    explicit Factors(const UnitPair& u)
        : rateFrom(checked(numberOf(u.from.Ratio, u.pnDecimalMode))),
          rateInto(checked(numberOf(u.into.Ratio, u.pnDecimalMode))),
          offsetFrom(checked(numberOf(u.from.Offset, u.pnDecimalMode))),
          offsetInto(checked(numberOf(u.into.Offset, u.pnDecimalMode))) {}
};

// Runs compute(x, exact) on the input; on a run-time failure, blames the input
// when the exact input 0 goes through, and otherwise reports the factors.
template <typename Compute>
ConvFailure guarded(Compute compute, double x, bool exact, UserPrompt& prompt) {
    try {
        compute(x, exact);
        return ConvFailure::None;
    } catch (const RunError&) {
    }
    try {
        compute(0.0, true);
        return ConvFailure::InputOverflow;
    } catch (const RunError&) {
        prompt.message(kInvalidFactors, kDataTitle, MsgIcon::Exclamation, MsgButtons::OK);
        return ConvFailure::InvalidFactors;
    }
}

} // namespace

ConvValue pConvert(const std::string& sInput, const UnitPair& u, UserPrompt& prompt) {
    ConvValue r;
    const auto compute = [&](double x, bool) {
        const Factors f(u);
        if (f.rateInto == 0) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
        r.value = quotient(checked(checked(checked(x * f.rateFrom) + f.offsetFrom) - f.offsetInto),
                           f.rateInto);
    };
    r.failure = guarded(compute, pPrefixValue(sInput), true, prompt);
    if (r.failure != ConvFailure::None) r.value = 0;
    return r;
}

ErrorText pGetErrString(const std::string& sInput, const UnitPair& u, bool pbExactInput,
                        UserPrompt& prompt) {
    ErrorText r;
    const auto compute = [&](double x, bool exact) {
        const int16_t m = u.pnDecimalMode;
        const Factors f(u);
        const double rateErrFrom = errorOf(u.from.RatioError, u.from.Ratio, m);
        const double rateErrInto = errorOf(u.into.RatioError, u.into.Ratio, m);
        const double offErrFrom = errorOf(u.from.OffsetError, u.from.Offset, m);
        const double offErrInto = errorOf(u.into.OffsetError, u.into.Offset, m);
        const double inputErr = exact ? 0.0 : pRoundError(sInput);

        const double maxBase =
            checked(checked(checked(checked(x + inputErr) * checked(f.rateFrom + rateErrFrom)) +
                            checked(f.offsetFrom + offErrFrom)) -
                    checked(f.offsetInto - offErrInto));
        const double dMax = quotient(maxBase, checked(f.rateInto - rateErrInto));
        const double minBase =
            checked(checked(checked(checked(x - inputErr) * checked(f.rateFrom - rateErrFrom)) +
                            checked(f.offsetFrom - offErrFrom)) -
                    checked(f.offsetInto + offErrInto));
        const double dMin = quotient(minBase, checked(f.rateInto + rateErrInto));
        const double dErr = std::fabs(checked(dMax - checked(checked(dMin + dMax) / 2)));
        r.text = kPlusMinus + pFormatScientific(dErr, 3);
    };
    r.failure = guarded(compute, pPrefixValue(sInput), pbExactInput, prompt);
    if (r.failure != ConvFailure::None) r.text.clear();
    return r;
}

void pSpecialTempConv(double& dResult, std::string& sError, const UnitPair& u, int16_t pnDigits) {
    const std::string offFrom = pCommaToPeriod(trimSpaces(u.from.Offset), u.pnDecimalMode);
    const std::string offInto = pCommaToPeriod(trimSpaces(u.into.Offset), u.pnDecimalMode);
    const auto starts = [](const std::string& s, std::string_view head) {
        return s.size() >= head.size() && s.compare(0, head.size(), head) == 0;
    };
    const bool fToC = starts(offFrom, "255.3722") && starts(offInto, "273.15");
    const bool cToF = starts(offInto, "255.3722") && starts(offFrom, "273.15");
    if (!fToC && !cToF) return;
    const double threshold = 1.0 / std::pow(10.0, pnDigits - 1);
    if (std::fabs(dResult) < threshold) {
        dResult = 0;
        sError = std::string(kPlusMinus) + "0";
    }
}

} // namespace qm
