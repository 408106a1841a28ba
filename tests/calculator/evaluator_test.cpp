#include "calculator/evaluator.h"

#include "core/recordingprompt.h"
#include "core/runerror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace qm;

namespace {

const DecimalSettings kPeriod{0, "period", NumberLocale{'.', ','}};
const DecimalSettings kComma{1, "comma", NumberLocale{',', '.'}};
const CalcOptions kDegreesNatural{0, 0};
const CalcOptions kCommonLog{1, 0};
const CalcOptions kRadians{0, 1};

struct FormulaCase {
    const char* formula;
    CalcOptions options;
    double expected;
    int16_t nError;
};

const FormulaCase kFormulas[] = {
    {"2+3", kDegreesNatural, 5, 0},
    {"2+3*4", kDegreesNatural, 5, 1},      // right operand 3*4 is no number
    {"-5*2", kDegreesNatural, -10, 0},     // leading sign belongs to the number
    {"1e-3*2", kDegreesNatural, 0.002, 0}, // sign after e is no operator
    {"1E+3-1", kDegreesNatural, 999, 0},
    {"2^10", kDegreesNatural, 1024, 0},
    {"10/4", kDegreesNatural, 2.5, 0},
    {"7-10", kDegreesNatural, -3, 0},
    {" 2 * 3 ", kDegreesNatural, 6, 0}, // blanks round each number are allowed
    {"SIN30", kDegreesNatural, 0.5, 0},
    {"30SIN", kDegreesNatural, 0.5, 0}, // name at the end: argument before it
    {"sin90", kDegreesNatural, 1, 0},
    {"cOs60", kDegreesNatural, 0.5, 0},
    {"TAN45", kDegreesNatural, 1, 0},
    {"SIN1.5707963267949", kRadians, 1, 0},
    {"SQR-16", kDegreesNatural, 4, 0}, // magnitude
    {"SQR2", kDegreesNatural, std::numbers::sqrt2, 0},
    {"LOG100", kCommonLog, 2, 0},
    {"LOG100", kDegreesNatural, std::log(100.0), 0},
    {"LOG-1000", kCommonLog, 3, 0},
    {"PI*2", kDegreesNatural, 6.28318530717958, 0},
    {"pi*PI", kDegreesNatural, 3.14159265358979 * 3.14159265358979, 0},
    {"PA*1", kDegreesNatural, 3.141986363, 0},
    {"5", kDegreesNatural, 0, 0}, // no operator, no function
    {"", kDegreesNatural, 0, 0},
    {"SIN", kDegreesNatural, 0, 0},      // empty argument: sin 0
    {"2SIN30", kDegreesNatural, 0.5, 0}, // the 2 is ignored
    {"SINx", kDegreesNatural, 0, 1},
    {"x+y", kDegreesNatural, 0, 2},    // a count: both operands bad
    {"SQRLOG", kDegreesNatural, 0, 1}, // first name decides: argument "LOG"
    {"2e3", kDegreesNatural, 0, 0},    // a lone number with exponent
};

} // namespace

TEST(Evaluator, FormulaTable) {
    for (const auto& c : kFormulas) {
        RecordingPrompt p;
        double r = 0;
        int16_t nError = -1;
        mCalculate(c.formula, r, nError, c.options, kPeriod, p);
        EXPECT_NEAR(r, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected))) << c.formula;
        EXPECT_EQ(nError, c.nError) << c.formula;
        EXPECT_TRUE(p.hints.empty()) << c.formula;
    }
}

TEST(Evaluator, ResultIsLeftAsPassedWhenNothingIsFound) {
    RecordingPrompt p;
    double r = 42;
    int16_t nError = 0;
    mCalculate("5", r, nError, kDegreesNatural, kPeriod, p);
    EXPECT_EQ(r, 42);
    EXPECT_EQ(nError, 0);
}

TEST(Evaluator, DecimalSeparator) {
    RecordingPrompt p;
    double r = 0;
    int16_t nError = 0;
    mCalculate("1,5+1", r, nError, kDegreesNatural, kComma, p);
    EXPECT_DOUBLE_EQ(r, 2.5);
    EXPECT_EQ(nError, 0);
    EXPECT_TRUE(p.hints.empty());

    r = 0;
    mCalculate("1,5+1", r, nError, kDegreesNatural, kPeriod, p);
    EXPECT_EQ(r, 0); // stopped before evaluating
    EXPECT_GT(nError, 0);
    EXPECT_EQ(p.hints, std::vector<int>{5});

    // The period of the replaced PI does not count as a wrong separator.
    mCalculate("PI*2", r, nError, kDegreesNatural, kComma, p);
    EXPECT_DOUBLE_EQ(r, 6.28318530717958);
    EXPECT_EQ(nError, 0);
}

TEST(Evaluator, ArithmeticFailuresRaise) {
    for (const char* f : {"1/0", "0/0", "LOG0", "0^-1", "1e300*1e300", "-8^0.5", "1e308+1e308"}) {
        RecordingPrompt p;
        double r = 0;
        int16_t nError = 0;
        EXPECT_THROW(mCalculate(f, r, nError, kDegreesNatural, kPeriod, p), RunError) << f;
    }
}

TEST(Evaluator, ReplaceString) {
    const struct {
        const char* text;
        const char* target;
        const char* replacement;
        const char* expected;
    } cases[] = {
        {"pi*PI", "PI", "3", "3*PI"}, {"2*Pa", "PA", "x", "2*x"}, {"abc", "PI", "3", "abc"},
        {"", "PI", "3", ""},          {"PIPI", "pi", "", "PI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mReplaceString(c.text, c.target, c.replacement), c.expected) << c.text;
}

TEST(Evaluator, NamesAreReplacedTwiceAtMost) {
    RecordingPrompt p;
    double r = 0;
    int16_t nError = 0;
    // Three PIs: the third stays a name, so the right operand is no number.
    mCalculate("PI*PIPI", r, nError, kDegreesNatural, kPeriod, p);
    EXPECT_EQ(nError, 1);
}

namespace {

struct ResultCase {
    const char* formula;
    NumberStyle style;
    DecimalSettings dec;
    const char* expected;
};

NumberStyle digits(int16_t n) {
    NumberStyle s;
    s.pnDigits = n;
    return s;
}
NumberStyle integerStyle() {
    NumberStyle s;
    s.pnInteger = 1;
    return s;
}
NumberStyle scientificStyle() {
    NumberStyle s;
    s.pnNumFormat = 1;
    return s;
}

} // namespace

TEST(Evaluator, ResultText) {
    const ResultCase cases[] = {
        {"5", digits(6), kPeriod, "0.00000E+00"},         // 0 is outside the range
        {"1000000*1", digits(6), kPeriod, "1.00000E+06"}, // in range, 7 integer digits
        {"1000000*1", digits(7), kPeriod, "1000000"},
        {"1000001*1", digits(7), kPeriod, "1.000001E+06"}, // beyond 10^6
        {"999499*1", digits(6), kPeriod, "999499"},
        {"0.000001*1", digits(6), kPeriod, "0.00000100000"}, // lower bound inclusive, 13 chars
        {"0.0000009*1", digits(6), kPeriod, "9.00000E-07"},
        {"0.000123456789*1", digits(12), kPeriod, "1.23456789000E-04"}, // 17 characters
        {"0.000123456789*1", digits(10), kPeriod, "1.234567890E-04"},   // 15 characters
        {"0.000123456789*1", digits(9), kPeriod, "0.000123456789"},     // 14: kept
        {"-0.000123456789*1", digits(8), kPeriod, "-0.00012345679"},    // 14: kept
        {"-0.000123456789*1", digits(9), kPeriod, "-1.23456789E-04"},   // 15 characters
        {"2.7*1", integerStyle(), kPeriod, "3"},
        {"1e7*1", integerStyle(), kPeriod, "1.00000E+07"},
        {"12.5*1", scientificStyle(), kPeriod, "1.25000E+01"},
        {"2^10", digits(6), kPeriod, "1024.00"},
        {"PI*2", digits(6), kPeriod, "6.28319"},
        {"1,5+1", digits(6), kComma, "2,50000"},
        {"1,5+1", digits(6), kPeriod, "Input error"},
        {"2+3*4", digits(6), kPeriod, "Input error"},
        {"1/0", digits(6), kPeriod, "Input error"},
        {"LOG0", digits(6), kPeriod, "Input error"},
        {"0^-1", digits(6), kPeriod, "Input error"},
        {"1e300*1e300", digits(6), kPeriod, "Input error"},
        {"-8^0.5", digits(6), kPeriod, "Input error"},
        {"1e200*1e100", digits(6), kPeriod, "1.00000E+300"},
        {"SIN30", digits(6), kPeriod, "0.500000"},
    };
    for (const auto& c : cases) {
        RecordingPrompt p;
        EXPECT_EQ(mCalcResultText(c.formula, c.style, kDegreesNatural, c.dec, p), c.expected)
            << c.formula << " digits " << c.style.pnDigits;
    }
}
