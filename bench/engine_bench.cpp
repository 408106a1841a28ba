// Conversion driver throughput: ordinary conversions with and without the
// rounding error, and number-system conversions.
#include "../tests/common/sampletable.h"
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

// The tests' physics table: Length (node 6, Category# 4; Inch 3, Kilometre 2)
// and Number System (node 3, Category# 1).
ConversionTable benchTable() {
    const std::vector<std::string> text = test::physicsTableLines();
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
    runDriver(state, 6, 4, 3, 2, false, {kInputs.begin(), kInputs.end()});
}
BENCHMARK(BM_DriverOrdinary);

void BM_DriverOrdinaryWithError(benchmark::State& state) {
    runDriver(state, 6, 4, 3, 2, true, {kInputs.begin(), kInputs.end()});
}
BENCHMARK(BM_DriverOrdinaryWithError);

void BM_DriverNumberSystem(benchmark::State& state) {
    runDriver(state, 3, 1, 3, 4, false, {"255", "65535", "2147483647", "12", "1000000"});
}
BENCHMARK(BM_DriverNumberSystem);

void BM_DriverHexToBinary(benchmark::State& state) {
    runDriver(state, 3, 1, 4, 1, false, {"FF", "ffff", "1A2B", "7"});
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
