// From a keystroke in the convert-from box to the new text in the convert-into
// box, on the real main window (offscreen): the shipped table, Length, Metre
// into Kilometre, one digit typed and taken back again and again.
#include "benchwindow.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace qm;

namespace {

QByteArray shippedTable() {
    QFile f(QStringLiteral(QM_SHIPPED_DATA_DIR "/default.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The window on the shipped table, Metre into Kilometre chosen in Length.
struct Session : BenchWindow {
    Session() : BenchWindow(shippedTable()) {
        const auto found = window->treeView()->findItems(QStringLiteral("Length"),
                                                         Qt::MatchExactly | Qt::MatchRecursive);
        if (!found.isEmpty()) window->selectNode(window->nodeIndexOf(found.first()));
        click(0, Qt::LeftButton);  // Metre
        click(1, Qt::RightButton); // Kilometre
        window->inputBox()->setFocus();
        window->inputBox()->setText(QStringLiteral("12.5"));
    }
    // The window is up, both units are chosen and the box shows a result.
    bool ready() const {
        return exposed && window->bothUnitsChosen() && !window->outputBox()->text().isEmpty();
    }
    void click(int row, Qt::MouseButton button) {
        QTableView* view = window->detailsView();
        const QPoint at = view->visualRect(window->listModel()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), button, Qt::NoModifier, at);
    }
};

Session* session = nullptr;

// One keystroke: a digit typed, or taken back with Backspace.
void keystroke(QLineEdit* input, bool typeDigit) {
    if (typeDigit)
        QTest::keyClick(input, Qt::Key_7);
    else
        QTest::keyClick(input, Qt::Key_Backspace);
}

void BM_KeystrokeToOutput(benchmark::State& state) {
    QLineEdit* input = session->window->inputBox();
    QLineEdit* output = session->window->outputBox();
    const bool painted = state.range(0) != 0;
    input->setText(QStringLiteral("12.5")); // each run starts from the same text
    bool typeDigit = true;
    int wrong = 0;
    for (auto _ : state) {
        keystroke(input, typeDigit);
        if (painted) output->repaint(); // the new text drawn, not only set
        const QString& shown = output->text();
        benchmark::DoNotOptimize(shown);
        // 12.57 m is 0.0125700 km, 12.5 m is 0.0125000 km.
        wrong += shown != (typeDigit ? QLatin1String("0.0125700") : QLatin1String("0.0125000"));
        typeDigit = !typeDigit;
    }
    state.counters["wrong_outputs"] = wrong;
    if (wrong != 0) state.SkipWithError("the output box did not show the conversion");
}
BENCHMARK(BM_KeystrokeToOutput)->Arg(0)->Arg(1)->ArgName("painted")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    session = new Session;
    if (!session->ready()) {
        std::fputs("keystroke_bench: the window did not come up with Metre into Kilometre\n",
                   stderr);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete session;
    return 0;
}
