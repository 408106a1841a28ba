#include "calculator/calcwindow.h"

#include <algorithm>

namespace qm {

namespace {

const char* const kDesktopCalculators[] = {
    "gnome-calculator", "kcalc",     "qalculate-qt", "qalculate-gtk",
    "galculator",       "mate-calc", "xcalc"};

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

void CalcHistory::add(const std::string& formula) {
    entries.insert(entries.begin(), formula);
    if (counter > kMaxEntries - 1) entries.pop_back();
    ++counter;
}

std::string calcStartText(const std::string& convertInto, bool showError) {
    std::string s = convertInto;
    const auto pm = s.find("\xC2\xB1"); // ± in UTF-8
    if (showError && pm != std::string::npos) {
        const auto blank = s.rfind(' ', pm);
        s.resize(blank == std::string::npos ? pm : blank);
    }
    return trimmed(s);
}

CalcLaunchPlan calcLaunchPlan(int16_t calcType, const std::string& path, bool windowsHost) {
    CalcLaunchPlan plan;
    if (calcType == 1 && windowsHost) {
        plan.candidates = {"calc.exe"};
        plan.failName = "Calc.exe";
    } else if (calcType == 1) {
        for (const char* name : kDesktopCalculators) {
            if (!plan.failName.empty()) plan.failName += ", ";
            plan.failName += name;
            plan.candidates.emplace_back(name);
        }
    } else if (calcType == 2) {
        const auto slash = path.find_last_of("\\/");
        plan.failName = slash == std::string::npos ? path : path.substr(slash + 1);
        if (!trimmed(path).empty()) plan.candidates = {path};
    }
    return plan;
}

std::string firstFound(const CalcLaunchPlan& plan,
                       const std::function<bool(const std::string&)>& exists) {
    const auto it = std::find_if(plan.candidates.begin(), plan.candidates.end(), exists);
    return it == plan.candidates.end() ? std::string{} : *it;
}

std::string calcMissingMessage(const std::string& failName) {
    return "'" + failName + "' cannot be found.";
}

} // namespace qm
