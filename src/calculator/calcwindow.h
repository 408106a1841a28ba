// What the calculator window decides without windows: its history of
// formulas, the formula it starts with, and which external calculator
// program it starts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qm {

// The formulas evaluated since the window opened, newest first.
struct CalcHistory {
    static constexpr int kMaxEntries = 7;
    std::vector<std::string> entries;
    int16_t counter = 0; // evaluations since the window opened

    // Every evaluation adds its formula, empty or repeated texts included.
    void add(const std::string& formula);
    void clear() { *this = CalcHistory{}; }
};

// The formula the window opens with: the convert-into box text, trimmed,
// without the " ±error" part when the rounding error is shown.
std::string calcStartText(const std::string& convertInto, bool showError);

// The programs to try, in order, for calculator type 1 (the system's
// calculator) or 2 (the user's program at path), and the name a failure
// message gives. Type 0 (the built-in window) starts nothing.
struct CalcLaunchPlan {
    std::vector<std::string> candidates;
    std::string failName;
};
CalcLaunchPlan calcLaunchPlan(int16_t calcType, const std::string& path, bool windowsHost);

// The first candidate that exists by the given test; empty when none does.
std::string firstFound(const CalcLaunchPlan& plan,
                       const std::function<bool(const std::string&)>& exists);

// "'name' cannot be found."
std::string calcMissingMessage(const std::string& failName);

} // namespace qm
