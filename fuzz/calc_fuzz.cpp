// libFuzzer harness: any formula through the calculator, under the decimal
// settings and options the first bytes pick. An arithmetic failure may raise
// RunError; nothing else may escape, and the result text never throws.
#include "calculator/evaluator.h"
#include "core/recordingprompt.h"
#include "core/runerror.h"
#include "fuzzsettings.h"

#include <string_view>

using namespace qm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const DecimalSettings dec = fuzz::decimalSettings(data[0]);
    const NumberStyle style = fuzz::numberStyle(data[1]);
    CalcOptions options;
    options.pnLogType = data[2] & 1;
    options.pnTrigType = (data[2] >> 1) & 1;
    const std::string_view formula(reinterpret_cast<const char*>(data + 3), size - 3);
    RecordingPrompt prompt;
    double dResult = 0;
    int16_t nError = 0;
    try {
        mCalculate(formula, dResult, nError, options, dec, prompt);
    } catch (const RunError&) {
    }
    (void)mCalcResultText(formula, style, options, dec, prompt);
    return 0;
}
