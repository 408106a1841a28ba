// libFuzzer harness: any typed text through the input checks and the number
// systems. The checks never throw; a digit conversion may raise RunError only
// for an overflow; a number-system result converted back and forth again
// gives the same text.
#include "core/recordingprompt.h"
#include "core/runerror.h"
#include "engine/inputcheck.h"
#include "engine/numbersystems.h"
#include "fuzzsettings.h"

#include <cstdlib>
#include <string>
#include <string_view>

using namespace qm;

namespace {

const char* const kRadix[] = {"2", "8", "10", "16", "", "3"};

void digits(std::string (*fmt)(std::string_view), std::string_view text) {
    try {
        (void)fmt(text);
    } catch (const RunError& e) {
        if (e.kind() != RunErrorKind::Overflow && e.kind() != RunErrorKind::TypeMismatch)
            std::abort();
    }
}

void numberSystems(std::string_view text, std::string_view from, std::string_view into) {
    const std::string r = pFormatNumber(text, from, into);
    if (r.empty() || r == kInputError) return;
    const std::string back = pFormatNumber(r, into, from);
    if (back.empty() || back == kInputError) return;
    if (pFormatNumber(back, from, into) != r) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const DecimalSettings dec = fuzz::decimalSettings(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    RecordingPrompt prompt;
    (void)pCheckDecimalSeparator(text, dec, prompt);
    (void)pConvValCheck(text, dec);
    (void)pNumCheck(text, dec);
    numberSystems(text, kRadix[data[1] % 6], kRadix[(data[1] / 6) % 6]);
    for (auto fmt :
         {pFmtBinToDec, pFmtOctToDec, pFmtHexToDec, pFmtDecToBin, pFmtDecToOct, pFmtDecToHex})
        digits(fmt, text);
    return 0;
}
