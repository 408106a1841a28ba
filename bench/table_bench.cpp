// Reading and writing a conversion table at full capacity.
#include "core/userprompt.h"
#include "table/conversiontable.h"
#include "table/fileio.h"
#include "table/tablereader.h"
#include "table/tablewriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace qm;

namespace {

class SilentPrompt : public UserPrompt {
  public:
    int messages = 0;
    MsgResult message(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
        ++messages;
        return MsgResult::OK;
    }
    void showHint(int) override {}
};

// 30 groups, 100 categories of `units` units, every text of a realistic length.
ConversionTable fullTable(int units) {
    ConversionTable t;
    t.pnCatGroupCount = 30;
    for (int g = 1; g <= 30; ++g)
        t.psCatGroupName[g] = "Category group " + std::to_string(g);
    t.pnCategoryCount = 100;
    t.pnNodeCount = 100;
    t.pnMaxUnitCount = static_cast<int16_t>(units);
    pResizeUnitArrays(t);
    for (int c = 1; c <= 100; ++c) {
        t.pnNodeCategory[c] = static_cast<int16_t>(c);
        t.pnNodeParent[c] = static_cast<int16_t>(c <= 2 ? 1 : 2 + (c - 3) % 30);
        t.psCategoryName[c] = "Unit category number " + std::to_string(c);
        t.pnCategoryIcon[c] = 1;
        t.pnUnitCount[c] = static_cast<int16_t>(units);
        for (int u = 1; u <= units; ++u)
            t.unit(c, u) = UnitRecord{1,
                                      "Unit " + std::to_string(u) + " (international)",
                                      "0.3048006096012192",
                                      "273.15",
                                      "",
                                      "0",
                                      "A memo that explains where this unit comes from."};
    }
    return t;
}

std::string benchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_WriteFullCapacity(benchmark::State& state) {
    ConversionTable t = fullTable(99);
    t.psTableFile = benchFile("qm-bench-write.dat");
    SilentPrompt prompt;
    for (auto _ : state)
        benchmark::DoNotOptimize(pSaveTable(
            t, [](int) { return true; }, prompt));
    state.counters["bytes"] =
        static_cast<double>(tableFileText(t, [](int) { return true; }).size());
}
BENCHMARK(BM_WriteFullCapacity)->Unit(benchmark::kMillisecond);

// Drops every CR of a file: the line ends of a table edited on Linux.
void keepLfOnly(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::erase(text, '\r');
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void readBench(benchmark::State& state, int units, int16_t expectedResult, bool lfOnly = false) {
    ConversionTable source = fullTable(units);
    source.psTableFile = benchFile("qm-bench-read.dat");
    SilentPrompt prompt;
    pSaveTable(
        source, [](int) { return true; }, prompt);
    if (lfOnly) keepLfOnly(source.psTableFile);
    for (auto _ : state) {
        ConversionTable t;
        t.psTableFile = source.psTableFile;
        ReadContext ctx{prompt, {}, "/", 15};
        if (pReadTable(t, ctx) != expectedResult) state.SkipWithError("unexpected read result");
    }
}

// The largest table that reads: 100 categories of 96 units end before line
// 10,001 (with 97 units or more the category part passes that line).
void BM_ReadLargestReadable(benchmark::State& state) {
    readBench(state, 96, 0);
}
BENCHMARK(BM_ReadLargestReadable)->Unit(benchmark::kMillisecond);

// The same table with LF line ends only.
void BM_ReadLargestReadableLfOnly(benchmark::State& state) {
    readBench(state, 96, 0, true);
}
BENCHMARK(BM_ReadLargestReadableLfOnly)->Unit(benchmark::kMillisecond);

// 30 groups and 100 categories of 99 units: read up to the line limit, then
// rejected with "Too many unit data were entered.".
void BM_ReadFullCapacityRejected(benchmark::State& state) {
    readBench(state, 99, 1);
}
BENCHMARK(BM_ReadFullCapacityRejected)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
