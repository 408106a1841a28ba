// Run-time failures of the core, raised as exceptions and turned into the
// "Error Code = <label>" report by the handler of the procedure that caught them.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace qm {

enum class RunErrorKind {
    Overflow,       // a value outside the range of its type
    DivisionByZero, // a divisor of zero
    InvalidResult,  // an invalid floating-point result (NaN, infinity)
    SubscriptOutOfRange,
    TypeMismatch, // text that is not a number where one is needed
    FileNotFound,
    FileAccess, // a file that cannot be opened, read or written
};

class RunError : public std::runtime_error {
  public:
    RunError(RunErrorKind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    RunErrorKind kind() const { return kind_; }

  private:
    RunErrorKind kind_;
};

// A finite arithmetic result, or the run-time failure that an invalid one
// means (NaN: an invalid result, an infinity: an overflow).
inline double checkedResult(double v) {
    if (std::isnan(v)) throw RunError(RunErrorKind::InvalidResult, "Invalid procedure call");
    if (std::isinf(v)) throw RunError(RunErrorKind::Overflow, "Overflow");
    return v;
}

// Progress label of the procedure under way ("PECV03"): set before each step,
// read by the failure handler.
class Progress {
  public:
    void set(const char* label) { label_ = label; }
    const std::string& label() const { return label_; }

  private:
    std::string label_;
};

// The report text for a run-time failure at the given label.
inline std::string errorCodeText(const std::string& label) {
    return "Error Code = " + label;
}

} // namespace qm
