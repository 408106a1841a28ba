#include "calculator/evaluator.h"

#include "common/decimalsettings.h"
#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;
using test::typedIn;

namespace {

const CalcOptions kDeg{0, 0}, kCommonLog{1, 0}, kRadians{0, 1};

NumberStyle style(int16_t digits, int16_t integer = 0, int16_t numFormat = 0) {
    NumberStyle s;
    s.pnDigits = digits;
    s.pnInteger = integer;
    s.pnNumFormat = numFormat;
    return s;
}

struct Case {
    const char* formula; // with the period; typed with the comma in comma mode
    CalcOptions options;
    NumberStyle style;
    const char* expected; // likewise
    bool hint = false;
};

const Case kCases[] = {
    {"2+3", kDeg, style(6), "5.00000"},
    {" -5*2 ", kDeg, style(6), "-10.0000"},   // the leading sign belongs to the number
    {"1e-3*2", kDeg, style(6), "0.00200000"}, // the sign after e is no operator
    {"1E+3-1", kDeg, style(6), "999.000"},
    {"2^10", kDeg, style(6), "1024.00"},
    {"10/4", kDeg, style(6), "2.50000"},
    {" 2 * 3 ", kDeg, style(6), "6.00000"},
    {"SIN30", kDeg, style(6), "0.500000"},
    {"30SIN", kDeg, style(6), "0.500000"},  // the name at the end: argument before it
    {"2SIN30", kDeg, style(6), "0.500000"}, // the 2 is ignored
    {"cOs60", kDeg, style(6), "0.500000"},
    {"TAN45", kDeg, style(6), "1.00000"},
    {"SIN1.5707963267949", kRadians, style(6), "1.00000"},
    {"SQR-16", kDeg, style(6), "4.00000"}, // the magnitude
    {"LOG-1000", kCommonLog, style(6), "3.00000"},
    {"LOG100", kDeg, style(6), "4.60517"},
    {"SIN", kDeg, style(6), "0.00000E+00"}, // empty argument: sin 0
    {"SIN30.5", kDeg, style(6), "0.507538"},
    {"pi*PI", kDeg, style(12), "9.86960440109"},
    {"PA*PA", kDeg, style(10), "9.872078305"},
    {"PI*1", kDeg, style(12), "3.14159265359"},
    {"PI", kDeg, style(6), "3.14159"},
    {"5", kDeg, style(6), "5.00000"}, // a plain number is its own value
    {"-2.5e3", kDeg, style(6), "-2500.00"},
    {".5", kDeg, style(6), "0.500000"},
    {"1000000*1", kDeg, style(6), "1.00000E+06"}, // in range, 7 integer digits
    {"1000000*1", kDeg, style(7), "1000000"},
    {"1000001*1", kDeg, style(7), "1.000001E+06"},   // beyond 10^6
    {"0.000001*1", kDeg, style(6), "0.00000100000"}, // lower bound inclusive
    {"0.0000009*1", kDeg, style(6), "9.00000E-07"},
    {"0.000123456789*1", kDeg, style(10), "1.234567890E-04"}, // 15 characters
    {"-0.000123456789*1", kDeg, style(8), "-0.00012345679"},  // 14: kept
    {"2.7*1", kDeg, style(6, 1), "3"},
    {"1e7*1", kDeg, style(6, 1), "1.00000E+07"},
    {"12.5*1", kDeg, style(6, 0, 2), "1.25000E+01"}, // any NumFormat but 0
    {"1e200*1e100", kDeg, style(6), "1.00000E+300"},
    // no result
    {"1,5+1", kDeg, style(6), "Input error", true}, // the other separator
    {"2+3*4", kDeg, style(6), "Input error"},       // the right operand is no number
    {"5+", kDeg, style(6), "Input error"},
    {"3*", kDeg, style(6), "Input error"},
    {"abc", kDeg, style(6), "Input error"},
    {"2PI", kDeg, style(6), "Input error"},
    {"", kDeg, style(6), "Input error"},
    {"SINx", kDeg, style(6), "Input error"},
    {"1e*2", kDeg, style(6), "Input error"},
    {"PI*PIPI", kDeg, style(6), "Input error"}, // names are replaced twice at most
    {"1.5.5+1", kDeg, style(6), "Input error"},
    {"1e99999999999999999999+1", kDeg, style(6), "Input error"},
    {"1/0", kDeg, style(6), "Input error"},
    {"1e400", kDeg, style(6), "Input error"},
    {"LOG0", kDeg, style(6), "Input error"},
    {"0^-1", kDeg, style(6), "Input error"},
    {"1e300*1e300", kDeg, style(6), "Input error"},
    {"-8^0.5", kDeg, style(6), "Input error"},
};

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

// A blank groups digits where the locale groups with one.
TEST(Evaluator, BlankGroupSeparator) {
    RecordingPrompt p;
    const DecimalSettings blank = test::allDecimalSettings()[2];
    EXPECT_EQ(mCalcResultText("1 000,5+1", style(6), kDeg, blank, p), "1001,50");
    EXPECT_EQ(mCalcResultText("1 000,5+1", style(6), kDeg, test::allDecimalSettings()[1], p),
              "Input error");
}
