// The quick unit search answering one keystroke over a table at full
// capacity: 100 categories of 99 units each.
#include "find/quicksearch.h"
#include "table/conversiontable.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace qm;

namespace {

ConversionTable fullTable() {
    static const char* const stems[] = {"metre", "gram",  "second", "pound",  "foot",
                                        "litre", "joule", "pascal", "newton", "watt"};
    ConversionTable t;
    t.pnMaxUnitCount = kMaxUnitsPerCategory;
    pResizeUnitArrays(t);
    t.pnCategoryCount = kMaxCategories;
    t.pnNodeCount = kMaxNodes;
    for (int c = 1; c <= kMaxCategories; ++c) {
        const auto slot = static_cast<std::size_t>(c);
        t.psCategoryName[slot] = "Category " + std::to_string(c);
        t.pnNodeCategory[slot] = static_cast<int16_t>(c);
        t.pnUnitCount[slot] = kMaxUnitsPerCategory;
        for (int u = 1; u <= kMaxUnitsPerCategory; ++u)
            t.unit(c, u).Name =
                std::string("kilo") + stems[(c + u) % 10] + " (kind " + std::to_string(u) + ")";
    }
    return t;
}

void BM_QuickSearchKeystroke(benchmark::State& state, const char* text) {
    const ConversionTable t = fullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(quickSearch(t, text));
}

} // namespace

BENCHMARK_CAPTURE(BM_QuickSearchKeystroke, one_letter, "m");
BENCHMARK_CAPTURE(BM_QuickSearchKeystroke, word, "metre");
BENCHMARK_CAPTURE(BM_QuickSearchKeystroke, no_match, "zzz");
BENCHMARK_MAIN();
