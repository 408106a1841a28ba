#include "core/numtext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

using namespace qm;

TEST(PrefixValue, ReadsTheLongestLeadingNumber) {
    const double inf = INFINITY;
    // Exponents of any length give an overflow, or 0.
    const std::pair<const char*, double> cases[] = {
        // clang-format off
        {"", 0},        {"abc", 0},     {"12abc", 12},    {"  \t\n12", 12}, {"1 2 3", 123},
        {"-1.5", -1.5}, {".5", 0.5},    {"1.5.3", 1.5},   {"1E-3", 0.001},  {"2D2", 200},
        {"2d+2", 200},  {"1e", 1},      {"2.5e-", 2.5},   {"1,5", 1},       {"-x", 0},
        {"&HFF", 255},  {"&hA", 10},    {"&O17", 15},     {"&H", 0},        {"e5", 0},
        {"  - 4", -4},  {"1e400", inf}, {"-1e400", -inf}, {"1e-400", 0},    {"0.000e999", 0},
        {"10e9223372036854775807", inf}, {"-0.1e99999999999999999999", -inf},
        {"99999999999999999999e-9223372036854775807", 0}, {"1e-99999999999999999999", 0},
        {"0e99999999999999999999", 0}
        // clang-format on
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(pPrefixValue(text), value) << text;
}

// Random texts on both sides of the quick reading's limits (15 digits, 10^22):
// each reads as the correctly rounded value.
TEST(PrefixValue, PlainDecimalsAreReadExactly) {
    std::mt19937_64 rng(12345);
    for (int n = 0; n < 20000; ++n) {
        std::string t = rng() % 4 == 0 ? "-" : "";
        const int intDigits = static_cast<int>(rng() % 10),
                  fracDigits = static_cast<int>(rng() % 12);
        for (int i = 0; i < intDigits; ++i)
            t += static_cast<char>('0' + rng() % 10);
        if (fracDigits > 0 || intDigits == 0) t += '.';
        for (int i = 0; i < fracDigits || (intDigits == 0 && i == 0); ++i)
            t += static_cast<char>('0' + rng() % 10);
        if (rng() % 3 == 0) t += "e" + std::to_string(static_cast<int>(rng() % 60) - 30);
        double b = 0;
        std::from_chars(t.data(), t.data() + t.size(), b);
        const double a = pPrefixValue(t);
        ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << t << ": " << a << " vs " << b;
    }
}

TEST(StrictNumber, WholeTextInTheLocale) {
    const NumberLocale period{'.', U','}, comma{',', U'.'}, narrow{',', U'\u202F'}, none{',', 0};
    const std::tuple<const char*, const NumberLocale&, bool, double> cases[] = {
        {" 1.5 ", period, true, 1.5},    {"1,000.5", period, true, 1000.5},
        {"1e5", period, true, 1e5},      {"-1E-2", period, true, -0.01},
        {"1.", period, true, 1},         {".5", period, true, 0.5},
        {"", period, false, 0},          {"12abc", period, false, 0},
        {"1 000", period, false, 0},     {"1e+", period, false, 0},
        {"-", period, false, 0},         {"1.5.3", period, false, 0},
        {",5", period, false, 0},        {"5,", period, false, 0},
        {"1,,5", period, false, 0},      {"1.5,5", period, false, 0},
        {"1e400", period, false, 0},     {"--1", period, false, 0},
        {"1.2e3.4", period, false, 0},   {"1.000,5", comma, true, 1000.5},
        {"1,5,5", comma, false, 0},      {"1\u202F000,5", narrow, true, 1000.5},
        {"1\u202F,5", narrow, false, 0}, {"1.000", none, false, 0},
        {"1,5", none, true, 1.5}};
    for (const auto& [text, locale, ok, value] : cases) {
        const auto v = pStrictNumber(text, locale);
        EXPECT_EQ(v.has_value(), ok) << text;
        EXPECT_EQ(isStrictNumber(text, locale), ok) << text;
        if (v && ok) {
            EXPECT_DOUBLE_EQ(*v, value) << text;
        }
    }
}
