#include "engine/numberformat.h"

#include "common/decimalsettings.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

struct FormatCase {
    double value;
    int16_t digits;
    const char* expected;
};

// Significant digits: 1234.5678 (e = 3) takes two decimals, 0.000123456
// (e = -4) seven; a result without decimals has no separator, 12.7 to two digits
// drops it from the "0." picture; 9.996 rounds to 10.0 at 3 digits (e = 1),
// 999499 keeps e = 5 and 999999 rounds to 1.00E+06 (e = 6); a negative zero
// shows no sign.
// clang-format off
const FormatCase kSignificant[] = {
    {1234.5678, 6, "1234.57"}, {1234567, 6, "1.23457E+06"}, {1234567, 7, "1234567"},
    {0.000123456, 4, "0.0001235"}, {9.996, 6, "9.9960"}, {-1234.5678, 6, "-1234.57"},
    {999499, 6, "999499"}, {999999, 6, "9.99999E+05"}, {0.5, 1, "0.5"}, {12.7, 2, "13"},
    {-0.0, 6, "0.00000"}, {99.96, 3, "100"},
};

// One digit keeps its separator; a mantissa carry raises the exponent.
const FormatCase kScientific[] = {
    {12345.678, 3, "1.23E+04"}, {0.000123, 3, "1.23E-04"}, {1E+123, 2, "1.0E+123"},
    {12345.678, 1, "1.E+04"}, {-0.0, 6, "0.00000E+00"}, {-0.000123, 3, "-1.23E-04"},
    {9.96, 2, "1.0E+01"},
};
// clang-format on

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

TEST(NumberFormat, IntegerRoundsToNearest) {
    const std::pair<double, const char*> cases[] = {
        {2.7, "3"}, {-2.7, "-3"}, {-0.3, "0"}, {1e20, "100000000000000000000"}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(pFormatInteger(value), expected) << value;
}
