#include "core/numtext.h"
#include "core/runerror.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace qm;

struct PrefixCase {
    const char* text;
    double value;
};

TEST(PrefixValue, ReadsTheLongestLeadingNumber) {
    const PrefixCase cases[] = {
        {"", 0},        {"abc", 0},          {"12abc", 12},       {"  \t\n12", 12},
        {"1 2 3", 123}, {"-1.5", -1.5},      {"+2", 2},           {".5", 0.5},
        {"1.5.3", 1.5}, {"1e3", 1000},       {"1E-3", 0.001},     {"2D2", 200},
        {"2d+2", 200},  {"1e", 1},           {"2.5e-", 2.5},      {"1,5", 1},
        {"-", 0},       {"-x", 0},           {"&HFF", 255},       {"&hA", 10},
        {"&O17", 15},   {"&H", 0},           {"1.23E+04", 12300}, {"e5", 0},
        {"  - 4", -4},  {"0.0000001", 1e-7},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(pPrefixValue(c.text), c.value) << c.text;
}

// The correctly rounded value of a plain decimal text, read independently.
double reference(const std::string& t) {
    const bool negative = !t.empty() && t[0] == '-';
    double v = 0;
    std::from_chars(t.data() + (negative ? 1 : 0), t.data() + t.size(), v);
    return negative ? -v : v;
}

TEST(PrefixValue, PlainDecimalsAreReadExactly) {
    // Texts on both sides of the quick reading's limits (15 digits, 10^22).
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "1609.344",
                                      "0.5555555555555556",
                                      "255.3722",
                                      "1e-9",
                                      "1E+20",
                                      "1e300",
                                      "1e-300",
                                      "0.1",
                                      "0.3",
                                      "123456789012345",
                                      "1234567890123456",
                                      "9007199254740993",
                                      "4.35e-22",
                                      "4.35e-23",
                                      "7e22",
                                      "7e23",
                                      "00000000000000000001.5",
                                      "1.500000000000000000000"};
    std::mt19937_64 rng(12345);
    for (int n = 0; n < 20000; ++n) {
        std::string t = rng() % 4 == 0 ? "-" : "";
        const int intDigits = static_cast<int>(rng() % 10);
        const int fracDigits = static_cast<int>(rng() % 12);
        for (int i = 0; i < intDigits; ++i)
            t += static_cast<char>('0' + rng() % 10);
        if (fracDigits > 0 || intDigits == 0) t += '.';
        for (int i = 0; i < fracDigits || (intDigits == 0 && i == 0); ++i)
            t += static_cast<char>('0' + rng() % 10);
        if (rng() % 3 == 0) t += "e" + std::to_string(static_cast<int>(rng() % 60) - 30);
        texts.push_back(t);
    }
    for (const std::string& t : texts) {
        const double a = pPrefixValue(t);
        const double b = reference(t);
        ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << t << ": " << a << " vs " << b;
    }
}

TEST(PrefixValue, BeyondTheDoubleRangeGivesInfinityOrZero) {
    EXPECT_TRUE(std::isinf(pPrefixValue("1e400")));
    EXPECT_LT(pPrefixValue("-1e400"), 0);
    EXPECT_EQ(pPrefixValue("1e-400"), 0.0);
    EXPECT_EQ(pPrefixValue("0.000e999"), 0.0);
}

struct StrictCase {
    const char* text;
    bool ok;
    double value;
};

TEST(StrictNumber, PeriodLocale) {
    const NumberLocale period{'.', ','};
    const StrictCase cases[] = {
        {"1.5", true, 1.5},    {" 1.5 ", true, 1.5},   {"1,5", true, 15}, {"1,000.5", true, 1000.5},
        {"1e5", true, 1e5},    {"-1E-2", true, -0.01}, {"+3", true, 3},   {"1.", true, 1},
        {".5", true, 0.5},     {"", false, 0},         {"abc", false, 0}, {"12abc", false, 0},
        {"1 000", false, 0},   {"1e", false, 0},       {"1e+", false, 0}, {"-", false, 0},
        {"1.5.3", false, 0},   {",5", false, 0},       {"5,", false, 0},  {"1e400", false, 0},
        {"1.2e3.4", false, 0}, {"--1", false, 0},
    };
    for (const auto& c : cases) {
        auto v = pStrictNumber(c.text, period);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (v && c.ok) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
}

TEST(StrictNumber, TheTestAgreesWithTheReading) {
    const NumberLocale period{'.', ','};
    const NumberLocale comma{',', '.'};
    const char* const texts[] = {"12",  "1.5",  "1,5", "1.000,5", ".",     "5.",    "",     " 5",
                                 "1e5", "1..5", "-1",  "abc",     "1,000", "1.5.5", "1e400"};
    for (const char* t : texts) {
        EXPECT_EQ(isStrictNumber(t, period), pStrictNumber(t, period).has_value()) << t;
        EXPECT_EQ(isStrictNumber(t, comma), pStrictNumber(t, comma).has_value()) << t;
    }
}

TEST(StrictNumber, CommaLocale) {
    const NumberLocale comma{',', '.'};
    EXPECT_DOUBLE_EQ(*pStrictNumber("1,5", comma), 1.5);
    EXPECT_DOUBLE_EQ(*pStrictNumber("1.000,5", comma), 1000.5);
    EXPECT_FALSE(pStrictNumber("1,5,5", comma));
}

TEST(IntegerConversion, RoundsHalvesToEvenAndChecksTheRange) {
    const std::pair<double, int> cases16[] = {{6.5, 6},           {7.5, 8},    {-2.5, -2},
                                              {-3.5, -4},         {2.4999, 2}, {32767, 32767},
                                              {-32768.5, -32768}, {0.5, 0},    {1.5, 2}};
    for (auto [v, r] : cases16)
        EXPECT_EQ(toInt16(v), r) << v;
    for (double bad : {32767.5, 40000.0, -32769.0, double(NAN), double(INFINITY)})
        EXPECT_THROW(toInt16(bad), RunError) << bad;
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483648.0), RunError);
}

TEST(IntegerConversion, StrictAndLenientIntegers) {
    const NumberLocale period{'.', ','};
    EXPECT_EQ(strictInt16(" 12 ", period), 12);
    EXPECT_EQ(strictInt16("2.5", period), 2);
    EXPECT_THROW(strictInt16("", period), RunError);
    EXPECT_THROW(strictInt16("x1", period), RunError);
    EXPECT_THROW(strictInt16("40000", period), RunError);
    EXPECT_EQ(lenientInt16("3abc"), 3);
    EXPECT_EQ(lenientInt16(""), 0);
    EXPECT_THROW(lenientInt16("99999"), RunError);
}
