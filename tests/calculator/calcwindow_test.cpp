#include "calculator/calcwindow.h"
#include "calculator/evaluator.h"

#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(CalcWindow, HistoryKeepsTheSevenNewestFormulasNewestFirst) {
    CalcHistory h;
    for (const char* f : {"1", "2", "", "4", "4", "6", "7", "8"})
        h.add(f);
    EXPECT_EQ(h.entries, (std::vector<std::string>{"8", "7", "6", "4", "4", "", "2"}));
    EXPECT_EQ(h.counter, 8);
    h.clear();
    h.add("9");
    EXPECT_EQ(h.entries, std::vector<std::string>{"9"});
}

TEST(CalcWindow, StartTextDropsTheErrorPart) {
    const std::tuple<const char*, bool, const char*> rows[] = {
        {"12.3456 \u00B15.00E-05", true, "12.3456"},
        {"12.3456 \u00B15.00E-05", false, "12.3456 \u00B15.00E-05"},
        {" FF ", true, "FF"},
        {"", true, ""},
        {"\u00B11", true, ""},
    };
    for (const auto& [into, showError, expected] : rows)
        EXPECT_EQ(calcStartText(into, showError), expected) << into;
}

TEST(CalcWindow, LaunchPlanAndFirstProgramFound) {
    // Type, path, on Windows, the one program the test says exists, the one chosen, the name
    // the message gives when none is found.
    const std::tuple<int16_t, const char*, bool, const char*, const char*, const char*> rows[] = {
        {0, "", false, "kcalc", "", "''"},
        {1, "", true, "calc.exe", "calc.exe", "'Calc.exe'"},
        {1, "", false, "none", "", "'gnome-calculator, "},
        {1, "", false, "xcalc", "xcalc", "xcalc'"}, // the last one tried
        {2, "/opt/tools/mycalc", false, "/opt/tools/mycalc", "/opt/tools/mycalc", "'mycalc'"},
        {2, "C:\\Tools\\My Calc.exe", true, "none", "", "'My Calc.exe'"},
        {2, "  ", false, "  ", "", "cannot be found."},
    };
    for (const auto& [type, path, windows, installed, chosen, named] : rows) {
        const CalcLaunchPlan plan = calcLaunchPlan(type, path, windows);
        const std::string program = installed;
        EXPECT_EQ(firstFound(plan, [&](const std::string& p) { return p == program; }), chosen)
            << type << path;
        EXPECT_NE(calcMissingMessage(plan.failName).find(named), std::string::npos) << path;
    }
}

TEST(CalcWindow, AVeryLongFormulaIsAnInputError) {
    RecordingPrompt p;
    for (const std::string& formula : {"1+" + std::string(10000, '9'), std::string(10000, '*')})
        EXPECT_EQ(mCalcResultText(formula, {}, {}, {}, p), "Input error") << formula.size();
}
