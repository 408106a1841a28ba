#include "engine/numberformat.h"

#include "common/decimalsettings.h"
#include "core/runerror.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qm;

namespace {

struct FormatCase {
    double value;
    int16_t digits;
    const char* expected;
};

const FormatCase kSignificant[] = {
    {1234.5678, 6, "1234.57"},     // e = 3: two decimals
    {1234567, 6, "1.23457E+06"},   // seven integer digits do not fit six
    {1234567, 7, "1234567"},       // no decimals: no separator
    {0.000123456, 4, "0.0001235"}, // e = -4: seven decimals
    {9.996, 6, "9.9960"},          // 9.996 rounds to 10.0 at 3 digits: e = 1
    {-1234.5678, 6, "-1234.57"},
    {999499, 6, "999499"},      // 9.99499E+05 keeps e = 5 at 3 digits
    {999999, 6, "9.99999E+05"}, // 9.99999E+05 rounds to 1.00E+006: e = 6
    {0.5, 1, "0.5"},            // e = -1: one decimal
    {12.7, 2, "13"},            // the "0." picture, separator removed
    {-0.0, 6, "0.00000"},       // a negative zero shows no sign
    {99.96, 3, "100"},          // 99.96 rounds to 100 at 3 digits: e = 2
};

const FormatCase kScientific[] = {
    {12345.678, 3, "1.23E+04"}, {0.000123, 3, "1.23E-04"},
    {1E+123, 2, "1.0E+123"},    {12345.678, 1, "1.E+04"}, // one digit keeps its separator
    {-0.0, 6, "0.00000E+00"},   {-0.000123, 3, "-1.23E-04"},
    {9.96, 2, "1.0E+01"}, // mantissa carry raises the exponent
};

} // namespace

// Whatever the locale, the texts carry the period inside the program.
TEST(NumberFormat, WorkedValuesInEveryLocale) {
    for (const DecimalSettings& dec : test::allDecimalSettings()) {
        for (const auto& c : kSignificant)
            EXPECT_EQ(pFormatSignificant(c.value, c.digits, dec), c.expected)
                << c.value << " with " << c.digits;
        for (const auto& c : kScientific)
            EXPECT_EQ(pFormatScientific(c.value, c.digits, dec), c.expected)
                << c.value << " with " << c.digits;
    }
}

TEST(NumberFormat, IntegerRoundsToNearestAndNoFormatTakesANonFiniteValue) {
    const std::pair<double, const char*> cases[] = {
        {2.7, "3"}, {-2.7, "-3"}, {-0.3, "0"}, {1e20, "100000000000000000000"}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(pFormatInteger(value), expected) << value;
    for (double v : {double(INFINITY), double(NAN)}) {
        EXPECT_THROW(pFormatSignificant(v, 6), RunError);
        EXPECT_THROW(pFormatScientific(v, 6), RunError);
        EXPECT_THROW(pFormatInteger(v), RunError);
    }
}
