// libFuzzer harness: any convert-from text and options through the driver on a
// small table. Nothing may crash or leave an unhandled exception.
#include "core/recordingprompt.h"
#include "engine/conversiondriver.h"
#include "table/tablereader.h"

#include <string>

using namespace qm;

namespace {
const ConversionTable& table() {
    static ConversionTable t = [] {
        ConversionTable tt;
        RecordingPrompt p;
        ReadContext ctx{p, {}, "/", 15};
        const std::string text = ";E;\r\n1;1;N\r\n2;1;C\r\n3;1;T\r\n;E;\r\n1;N;4\r\n1;B;2\r\n1;O;"
                                 "8\r\n1;D;10\r\n1;H;16\r\n;E;\r\n"
                                 "1;C;0\r\n;E;\r\n1;T;5\r\n1;K;1;0;0;0;\r\n1;C;1;273.15;;;\r\n1;F;"
                                 "0.5555555555555556;255.3722;;;\r\n"
                                 "1;Z;0;0;;;\r\n1;X;1e308;-1e308;1e308;x;\r\n;E;\r\n";
        pReadTableLines(tt, splitFileLines(text), ctx);
        return tt;
    }();
    return t;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const ConversionTable& t = table();
    ConversionInput in;
    const bool numberSystem = data[0] & 1;
    in.pnSelNodeIndex = numberSystem ? 2 : 4;
    in.pnSelGroupIndex = numberSystem ? 1 : 3;
    in.pnConvFromIndex = static_cast<int16_t>(data[1] % 7 - 1);
    in.pnConvIntoIndex = static_cast<int16_t>(data[2] % 7 - 1);
    NumberStyle style;
    style.pnDigits = static_cast<int16_t>(1 + data[3] % 20);
    style.pnSciDigits = static_cast<int16_t>(data[3] % 9);
    style.pbShowError = data[0] & 2;
    style.pnInteger = (data[0] >> 2) & 1;
    style.pnNumFormat = (data[0] >> 3) & 1;
    style.deriveSciBounds();
    DecimalSettings dec;
    if (data[0] & 16) {
        dec.pnDecimalMode = 1;
        dec.locale = {',', '.'};
    }
    in.fromText.assign(reinterpret_cast<const char*>(data + 4), size - 4);
    EngineState state;
    RecordingPrompt prompt;
    (void)pExecConversion(t, in, style, dec, state, prompt);
    return 0;
}
