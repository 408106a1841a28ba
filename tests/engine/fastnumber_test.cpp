#include "engine/fastnumber.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

using namespace qm;

namespace {

const char* const kTexts[] = {
    "0",
    "-0",
    "+5",
    "1609.344",
    "0.0254",
    "0.5555555555555556",
    "255.3722",
    "273.15",
    "1e-9",
    "1E+20",
    "1.5E+03",
    "1e300",
    "1e-300",
    "1e400",
    "0.000123",
    ".5",
    "5.",
    "-3.75",
    "1e",
    "1e+",
    "1e5x",
    "12abc",
    " 5",
    "5 ",
    "1 000",
    "&HFF",
    "1d3",
    "",
    "-",
    ".",
    "123456789012345",
    "1234567890123456",
    "0.1",
    "0.3",
    "9007199254740993",
    "4.35e-22",
    "4.35e-23",
    "7e22",
    "7e23",
    "00000000000000000001.5",
    "1.500000000000000000000",
    "abc",
};

} // namespace

TEST(FastNumber, SameAsTheGeneralReading) {
    for (const char* t : kTexts) {
        const double a = fastPrefixValue(t);
        const double b = pPrefixValue(t);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << t << ": " << a << " vs " << b;
    }
}

TEST(FastNumber, SameAsTheGeneralReadingForRandomDecimals) {
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
        const double a = fastPrefixValue(t);
        const double b = pPrefixValue(t);
        ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << t;
    }
}

TEST(FastNumber, StrictTestAgreesWithTheGeneralOne) {
    const NumberLocale period{'.', ','};
    const NumberLocale comma{',', '.'};
    const char* const texts[] = {"12", "1.5", "1,5",  "1.000,5", ".",   "5.",    "",
                                 " 5", "1e5", "1..5", "-1",      "abc", "1,000", "1.5.5"};
    for (const char* t : texts) {
        EXPECT_EQ(fastIsStrictNumber(t, period), pStrictNumber(t, period).has_value()) << t;
        EXPECT_EQ(fastIsStrictNumber(t, comma), pStrictNumber(t, comma).has_value()) << t;
    }
}
