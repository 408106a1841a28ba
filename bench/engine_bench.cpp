// Conversion driver throughput: ordinary conversions with and without the
// rounding error, and number-system conversions.
#include "core/userprompt.h"
#include "engine/conversiondriver.h"
#include "engine/numberformat.h"
#include "table/tablereader.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

using namespace qm;

namespace {

class SilentPrompt : public UserPrompt {
  public:
    MsgResult message(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
        return MsgResult::OK;
    }
    void showHint(int) override {}
};

ConversionTable benchTable() {
    const std::vector<std::string> text = {"Physics;1",
                                           ";E;",
                                           "1;1;Number System",
                                           "2;1;Constants",
                                           "3;2;Length",
                                           ";E;",
                                           "1;Number System;4",
                                           "1;Binary;2;0;0;0;",
                                           "1;Octal;8;0;0;0;",
                                           "1;Decimal;10;0;0;0;",
                                           "1;Hexadecimal;16;0;0;0;",
                                           ";E;",
                                           "2;Constants;0",
                                           ";E;",
                                           "3;Length;3",
                                           "1;Metre;1;0;0;0;",
                                           "1;Inch;0.0254;0;;;",
                                           "1;Mile;1609.344;0;;;",
                                           ";E;"};
    const std::vector<std::string_view> lines(text.begin(), text.end());
    SilentPrompt prompt;
    ReadContext ctx{prompt, DecimalSettings{}, "/"};
    ConversionTable t;
    pReadTableLines(t, lines, ctx);
    return t;
}

const std::array<const char*, 8> kInputs = {"1500", "12.5",  "0.000123", "1e7",
                                            "25?",  "-3.75", "1e-9",     "42"};

void runDriver(benchmark::State& state, int16_t node, int16_t group, int16_t from, int16_t into,
               bool showError, const std::vector<std::string>& inputs) {
    const ConversionTable t = benchTable();
    SilentPrompt prompt;
    EngineState engine;
    NumberStyle style;
    style.pbShowError = showError;
    style.deriveSciBounds();
    const DecimalSettings dec;
    ConversionInput in;
    in.pnSelNodeIndex = node;
    in.pnSelGroupIndex = group;
    in.pnConvFromIndex = from;
    in.pnConvIntoIndex = into;
    std::size_t i = 0;
    for (auto _ : state) {
        in.fromText = inputs[i++ % inputs.size()];
        auto r = pExecConversion(t, in, style, dec, engine, prompt);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_DriverOrdinary(benchmark::State& state) {
    runDriver(state, 4, 3, 2, 3, false, {kInputs.begin(), kInputs.end()});
}
BENCHMARK(BM_DriverOrdinary);

void BM_DriverOrdinaryWithError(benchmark::State& state) {
    runDriver(state, 4, 3, 2, 3, true, {kInputs.begin(), kInputs.end()});
}
BENCHMARK(BM_DriverOrdinaryWithError);

void BM_DriverNumberSystem(benchmark::State& state) {
    runDriver(state, 2, 1, 3, 4, false, {"255", "65535", "2147483647", "12", "1000000"});
}
BENCHMARK(BM_DriverNumberSystem);

void BM_DriverHexToBinary(benchmark::State& state) {
    runDriver(state, 2, 1, 4, 1, false, {"FF", "ffff", "1A2B", "7"});
}
BENCHMARK(BM_DriverHexToBinary);

void BM_FormatSignificant(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        auto s = pFormatSignificant(v, 6);
        benchmark::DoNotOptimize(s);
        v += 0.001;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatSignificant);

} // namespace

BENCHMARK_MAIN();
