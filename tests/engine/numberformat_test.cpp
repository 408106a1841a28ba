#include "engine/numberformat.h"

#include "core/runerror.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qm;

namespace {

DecimalSettings commaSettings() {
    DecimalSettings d;
    d.pnDecimalMode = 1;
    d.psDecimalSeparatorName = "comma";
    d.locale = NumberLocale{',', '.'};
    return d;
}

struct FormatCase {
    double value;
    int16_t digits;
    const char* expected;
};

const FormatCase kSignificant[] = {
    {1234.5678, 6, "1234.57"},   // e = 3: two decimals
    {1234567, 6, "1.23457E+06"}, // seven integer digits do not fit six
    {1234567, 7, "1234567"},     // no decimals: no separator
    {42, 2, "42"},
    {0.000123456, 4, "0.0001235"}, // e = -4: seven decimals
    {9.996, 6, "9.9960"},          // 9.996 rounds to 10.0 at 3 digits: e = 1
    {0, 6, "0.00000"},
    {-1234.5678, 6, "-1234.57"},
    {1000000, 6, "1.00000E+06"},
    {999499, 6, "999499"},        // 9.99499E+05 keeps e = 5 at 3 digits
    {999999, 6, "9.99999E+05"},   // 9.99999E+05 rounds to 1.00E+006: e = 6
    {999999.5, 6, "1.00000E+06"}, // 9.999995E+05 rounds to e = 6
    {0.5, 1, "0.5"},              // e = -1: one decimal
    {7, 1, "7"},
    {12.7, 2, "13"}, // the "0." picture, separator removed
    {0.000001, 6, "0.00000100000"},
    {-0.0, 6, "0.00000"}, // a negative zero shows no sign
    {99.94, 3, "99.9"},   // 99.94 rounds to 99.9 at 3 digits: e = 1
    {99.96, 3, "100"},    // 99.96 rounds to 100 at 3 digits: e = 2, no decimals
};

const FormatCase kScientific[] = {
    {12345.678, 3, "1.23E+04"},   {0.000123, 3, "1.23E-04"},
    {1E+123, 2, "1.0E+123"},      {12345.678, 1, "1.E+04"}, // one digit keeps its separator
    {0, 6, "0.00000E+00"},        {-0.000123, 3, "-1.23E-04"},
    {1E-300, 2, "1.0E-300"},      {9.96, 2, "1.0E+01"}, // mantissa carry raises the exponent
    {1234567, 7, "1.234567E+06"},
};

} // namespace

TEST(NumberFormat, SignificantDigitsWorkedValues) {
    for (const auto& c : kSignificant)
        EXPECT_EQ(pFormatSignificant(c.value, c.digits), c.expected)
            << c.value << " with " << c.digits;
}

TEST(NumberFormat, ScientificWorkedValues) {
    for (const auto& c : kScientific)
        EXPECT_EQ(pFormatScientific(c.value, c.digits), c.expected)
            << c.value << " with " << c.digits;
}

TEST(NumberFormat, IntegerRoundsToNearest) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {{2.7, "3"}, {-2.7, "-3"}, {0, "0"},
                 {2.2, "2"}, {-0.3, "0"},  {1e20, "100000000000000000000"}};
    for (const auto& c : cases)
        EXPECT_EQ(pFormatInteger(c.value), c.expected) << c.value;
}

TEST(NumberFormat, CommaLocaleFormatsWithPeriodInsideTheProgram) {
    const DecimalSettings comma = commaSettings();
    for (const auto& c : kSignificant)
        EXPECT_EQ(pFormatSignificant(c.value, c.digits, comma), c.expected) << c.value;
    for (const auto& c : kScientific)
        EXPECT_EQ(pFormatScientific(c.value, c.digits, comma), c.expected) << c.value;
    EXPECT_EQ(pPeriodToComma(pFormatSignificant(1234.5678, 6, comma), 1), "1234,57");
}

TEST(NumberFormat, PeriodToComma) {
    const struct {
        const char* text;
        int16_t mode;
        const char* expected;
    } cases[] = {
        {"1234.57", 1, "1234,57"},
        {"1234.57", 0, "1234.57"},
        {"", 1, ""},
        {"   ", 1, "   "},
        {"1234", 1, "1234"},
        {"1.5.6", 1, "1,5.6"},
        {"\xC2\xB1"
         "1.27E-02",
         1,
         "\xC2\xB1"
         "1,27E-02"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pPeriodToComma(c.text, c.mode), c.expected) << c.text;
}

TEST(NumberFormat, DecimalExponentRoundsToThreeDigits) {
    EXPECT_EQ(pDecimalExponent3(9.996), 1);
    EXPECT_EQ(pDecimalExponent3(9.994), 0);
    EXPECT_EQ(pDecimalExponent3(0), 0);
    EXPECT_EQ(pDecimalExponent3(0.000123456), -4);
    EXPECT_EQ(pDecimalExponent3(-1234.5), 3);
}

TEST(NumberFormat, NonFiniteValuesAndZeroDigitsAreRunErrors) {
    EXPECT_THROW(pFormatSignificant(INFINITY, 6), RunError);
    EXPECT_THROW(pFormatScientific(NAN, 6), RunError);
    EXPECT_THROW(pFormatInteger(-INFINITY), RunError);
    EXPECT_THROW(pFormatScientific(5, 0), RunError);
    EXPECT_THROW(pFormatSignificant(5, 0), RunError);
}
