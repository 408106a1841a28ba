#include "calculator/evaluator.h"

#include "common/decimalsettings.h"
#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;
using test::typedIn;

namespace {

const CalcOptions kDeg{0, 0}, kCommonLog{1, 0}, kRadians{0, 1};

// Formula and result written with the period, typed and shown with the comma
// in comma mode; six digits and degrees unless a row says otherwise.
struct Case {
    const char *formula, *expected;
    NumberStyle style = {};
    CalcOptions options = kDeg;
    bool hint = false;
};

// A leading sign belongs to the number and a sign after e is no operator; a
// function name at the end takes the argument before it, a number before the
// name is ignored, SQR takes the magnitude and an empty argument is 0; names
// are replaced twice at most; "1,5" holds the other separator.
// clang-format off
const Case kCases[] = {
    {"2+3", "5.00000"}, {" -5*2 ", "-10.0000"}, {"1e-3*2", "0.00200000"}, {"1E+3-1", "999.000"},
    {"2^10", "1024.00"}, {"10/4", "2.50000"}, {" 2 * 3 ", "6.00000"}, {"SIN30", "0.500000"},
    {"30SIN", "0.500000"}, {"2SIN30", "0.500000"}, {"cOs60", "0.500000"}, {"TAN45", "1.00000"},
    {"SIN1.5707963267949", "1.00000", {}, kRadians}, {"SQR-16", "4.00000"},
    {"LOG-1000", "3.00000", {}, kCommonLog}, {"LOG100", "4.60517"}, {"SIN", "0.00000E+00"},
    {"SIN30.5", "0.507538"}, {"pi*PI", "9.86960440109", {12}}, {"PA*PA", "9.872078305", {10}},
    {"PI*1", "3.14159265359", {12}}, {"PI", "3.14159"}, {"5", "5.00000"}, {".5", "0.500000"},
    {"-2.5e3", "-2500.00"}, {"1000000*1", "1.00000E+06"}, {"1000000*1", "1000000", {7}},
    {"1000001*1", "1.000001E+06", {7}}, {"0.000001*1", "0.00000100000"},
    {"0.0000009*1", "9.00000E-07"}, {"0.000123456789*1", "1.234567890E-04", {10}},
    {"-0.000123456789*1", "-0.00012345679", {8}}, {"2.7*1", "3", {6, 6, 1}},
    {"1e7*1", "1.00000E+07", {6, 6, 1}}, {"12.5*1", "1.25000E+01", {6, 6, 0, 2}},
    {"1e200*1e100", "1.00000E+300"}, {"1,5+1", "Input error", {}, kDeg, true},
    {"2+3*4", "Input error"}, {"5+", "Input error"}, {"3*", "Input error"},
    {"abc", "Input error"}, {"2PI", "Input error"}, {"", "Input error"}, {"SINx", "Input error"},
    {"1e*2", "Input error"}, {"PI*PIPI", "Input error"}, {"1.5.5+1", "Input error"},
    {"1e99999999999999999999+1", "Input error"}, {"1/0", "Input error"}, {"1e400", "Input error"}, {"LOG0", "Input error"},
    {"0^-1", "Input error"}, {"1e300*1e300", "Input error"}, {"-8^0.5", "Input error"},
};
// clang-format on

} // namespace

TEST(Evaluator, ResultTextUnderEveryDecimalSetting) {
    for (const DecimalSettings& dec : test::allDecimalSettings()) {
        for (const Case& c : kCases) {
            RecordingPrompt p;
            EXPECT_EQ(mCalcResultText(typedIn(c.formula, dec), c.style, c.options, dec, p),
                      typedIn(c.expected, dec))
                << test::settingsName(dec) << ": " << c.formula;
            EXPECT_EQ(p.hints, c.hint ? std::vector<int>{5} : std::vector<int>{}) << c.formula;
        }
    }
}

// A blank groups digits only where the locale groups with one.
TEST(Evaluator, BlankGroupSeparator) {
    RecordingPrompt p;
    for (const DecimalSettings& dec : test::allDecimalSettings())
        EXPECT_EQ(mCalcResultText("1 000,5+1", {}, kDeg, dec, p),
                  dec.locale.group == U' ' ? "1001,50" : "Input error")
            << test::settingsName(dec);
}
