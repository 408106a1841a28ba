#include "engine/conversiondriver.h"

#include "core/runerror.h"
#include "core/text.h"
#include "engine/conversion.h"
#include "engine/inputcheck.h"
#include "engine/numberformat.h"
#include "engine/numbersystems.h"

#include <cmath>

namespace qm {

namespace {

std::string convertOrdinary(const ConversionTable& table, const ConversionInput& in,
                            std::string sInput, const NumberStyle& style,
                            const DecimalSettings& dec, EngineState& state, UserPrompt& prompt,
                            Progress& run) {
    // A final '?' marks a rounded input whose own rounding counts.
    state.pbExactInput = true;
    if (!sInput.empty() && sInput.back() == '?') {
        sInput.pop_back();
        state.pbExactInput = false;
    }

    run.set("PECV03");
    const int16_t bad = pCheckDecimalSeparator(sInput, dec, prompt);
    run.set("PECV04");
    sInput = pCommaToPeriod(sInput, dec.pnDecimalMode);
    run.set("PECV05");
    if (pConvValCheck(sInput, dec) >= 1 || bad >= 1) return kInputError;

    run.set("PECV06");
    const UnitPair units{table.unit(in.pnSelGroupIndex, in.pnConvFromIndex),
                         table.unit(in.pnSelGroupIndex, in.pnConvIntoIndex), dec.pnDecimalMode};
    const ConvValue converted = pConvert(sInput, units, prompt);
    // No number for an input that overflows, nor for invalid factors (reported).
    if (converted.failure == ConvFailure::InputOverflow) return kInputError;
    if (converted.failure == ConvFailure::InvalidFactors) return {};
    double dResult = converted.value;
    std::string sError;
    run.set("PECV07");
    if (style.pbShowError) {
        run.set("PECV08");
        ErrorText e = pGetErrString(sInput, units, state.pbExactInput, prompt);
        if (e.failure == ConvFailure::InputOverflow) return kInputError;
        sError = std::move(e.text);
    }
    run.set("PECV09");
    if (state.pbExactInput) pSpecialTempConv(dResult, sError, units, style.pnDigits);

    run.set("PECV10");
    const bool alwaysNormal = dResult == 0 || style.pnSciDigits <= 0;
    const double magnitude = std::fabs(dResult);
    const bool inRange = style.pdSciLower <= magnitude && magnitude <= style.pdSciUpper;
    std::string sResult;
    if (!inRange && !alwaysNormal) {
        run.set("PECV11");
        sResult = pFormatScientific(dResult, style.pnDigits, dec);
    } else {
        run.set("PECV12");
        if (style.pnInteger == 1) {
            run.set("PECV13");
            sResult = pFormatInteger(dResult);
        } else if (style.scientific()) {
            run.set("PECV15");
            sResult = pFormatScientific(dResult, style.pnDigits, dec);
        } else {
            run.set("PECV14");
            sResult = pFormatSignificant(dResult, style.pnDigits, dec);
        }
    }

    run.set("PECV16");
    std::string out = pPeriodToComma(sResult, dec.pnDecimalMode);
    if (style.pbShowError) {
        out += ' ';
        out += pPeriodToComma(sError, dec.pnDecimalMode);
    }
    return out;
}

} // namespace

std::optional<std::string> pExecConversion(const ConversionTable& table, const ConversionInput& in,
                                           const NumberStyle& style, const DecimalSettings& dec,
                                           EngineState& state, UserPrompt& prompt) {
    Progress run;
    run.set("PECV01");
    try {
        std::string result;
        if (in.pnConvFromIndex >= 1 && in.pnConvIntoIndex >= 1) {
            std::string sInput = trimSpaces(in.fromText);
            if (!sInput.empty() && sInput != "-" && sInput != "+") {
                if (in.pnSelNodeIndex == numberSystemNode(table)) {
                    run.set("PECV02");
                    result = pFormatNumber(
                        sInput, table.unit(in.pnSelGroupIndex, in.pnConvFromIndex).Ratio,
                        table.unit(in.pnSelGroupIndex, in.pnConvIntoIndex).Ratio);
                } else {
                    result = convertOrdinary(table, in, std::move(sInput), style, dec, state,
                                             prompt, run);
                }
            }
        }
        state.lastLabel = run.label();
        return result;
    } catch (const std::exception&) {
        state.lastLabel = run.label();
        prompt.reportError(run.label());
        return std::nullopt;
    }
}

} // namespace qm
