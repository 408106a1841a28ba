// Each change to the table on the largest table that still reads (29 groups,
// 99 categories of 96 units; 100 categories once one is added), followed by
// its undo: the item operation with the undo step alone, and through the
// real main window (offscreen) with the tree and the list rebuilt.
#include "benchwindow.h"
#include "editing/edithistory.h"
#include "editing/itemops.h"
#include "table/tablereader.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

using namespace qm;

namespace {

constexpr int kGroups = 29;
constexpr int kCategories = 99;
constexpr int kUnits = 96;

// Categories 3.. spread over the groups, each with kUnits units.
std::string largestTableText() {
    std::string s;
    for (int g = 1; g <= kGroups; ++g)
        s += "Group " + std::to_string(g) + ";1\r\n";
    s += ";E;\r\n1;1;Number System\r\n2;1;Constants\r\n";
    for (int c = 3; c <= kCategories; ++c)
        s += std::to_string(c) + ";" + std::to_string(2 + (c - 3) * kGroups / (kCategories - 2)) +
             ";\r\n";
    s += ";E;\r\n";
    for (int c = 1; c <= kCategories; ++c) {
        s += "3;Category " + std::to_string(c) + ";" + std::to_string(kUnits) + "\r\n";
        for (int u = 1; u <= kUnits; ++u)
            s += "1;Unit " + std::to_string(c) + "." + std::to_string(u) +
                 ";1.5;0;0;0;a memo of a few words\r\n";
        s += ";E;\r\n";
    }
    return s;
}

// The operations measured, with the category whose units each may change;
// nodes counted on the largest table.
constexpr int kFirstCategoryNode = kGroups + 4; // the first ordinary category
struct Op {
    const char* name;
    int units;
    std::function<EditResult(ConversionTable&)> run;
};
const std::vector<Op>& ops() {
    static const std::vector<Op> all = {
        {"insert unit", 50,
         [](ConversionTable& t) { return pInsertListItem(t, t.unit(50, 1), 50, 10); }},
        {"delete unit", 50, [](ConversionTable& t) { return pDeleteListItem(t, 50, 10); }},
        {"move unit", 50, [](ConversionTable& t) { return moveListItem(t, 50, 1, kUnits); }},
        {"new group", kNoUnits, [](ConversionTable& t) { return pCreateTreeItem(t, 1); }},
        {"new category", kCategories + 1, [](ConversionTable& t) { return pCreateTreeItem(t, 5); }},
        {"insert category", kCategories + 1,
         [](ConversionTable& t) { return pAddTreeItem(t, kFirstCategoryNode + 40); }},
        {"move category", kNoUnits,
         [](ConversionTable& t) { return pInsertTreeItem(t, kFirstCategoryNode, 20); }},
        {"delete category", kNoUnits,
         [](ConversionTable& t) { return pDeleteTreeItem(t, kFirstCategoryNode + 40); }},
        {"delete group", kNoUnits, [](ConversionTable& t) { return pDeleteTreeItem(t, 10); }},
    };
    return all;
}

ConversionTable readLargest() {
    RecordingPrompt prompt;
    ConversionTable t;
    const std::string text = largestTableText();
    ReadContext ctx{prompt, DecimalSettings{}, "/nowhere/"};
    pReadTableLines(t, splitFileLines(text), ctx);
    return t;
}

void BM_CoreEditAndUndo(benchmark::State& state) {
    const Op& op = ops()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(op.name);
    ConversionTable t = readLargest();
    EditHistory history;
    int refused = 0;
    for (auto _ : state) {
        TableSnapshot before = snapshotOf(t, op.units);
        if (!op.run(t).done) ++refused;
        history.record(op.name, std::move(before), t);
        history.undo(t);
    }
    if (refused != 0) state.SkipWithError("the operation was refused");
}
BENCHMARK(BM_CoreEditAndUndo)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// The window on the largest table.
struct Session : BenchWindow {
    Session() : BenchWindow(QByteArray::fromStdString(largestTableText())) {
        window->selectNode(kFirstCategoryNode + 47); // Category 50: 96 rows in the list
    }
};

Session* session = nullptr;

void BM_WindowEditAndUndo(benchmark::State& state) {
    const Op& op = ops()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(op.name);
    MainWindow& w = *session->window;
    int refused = 0;
    for (auto _ : state) {
        w.selectNode(kFirstCategoryNode + 47);
        if (!w.applyTableEdit(op.name, op.run, op.units).done) ++refused;
        w.undoTableEdit();
    }
    if (refused != 0) state.SkipWithError("the operation was refused");
}
BENCHMARK(BM_WindowEditAndUndo)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// What one change costs on the window, part by part: the tree rebuilt, the
// list filled again for the selected category, the table copied for undo.
void BM_WindowParts(benchmark::State& state) {
    MainWindow& w = *session->window;
    Program& p = session->program;
    const int part = static_cast<int>(state.range(0));
    state.SetLabel(part == 0 ? "tree" : part == 1 ? "list" : "table copy (every unit)");
    for (auto _ : state) {
        if (part == 0) w.pUpdateTreeView();
        if (part == 1) {
            p.sel.pnLastGroupIndex = -2;
            w.selectNode(kFirstCategoryNode + 47);
        }
        if (part == 2) benchmark::DoNotOptimize(ConversionTable(p.table));
    }
}
BENCHMARK(BM_WindowParts)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    session = new Session;
    if (!session->exposed || session->program.table.pnCategoryCount != kCategories) {
        std::fputs("edit_bench: the largest table did not read\n", stderr);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete session;
    return 0;
}
