#include "engine/numbersystems.h"

#include <gtest/gtest.h>

using namespace qm;

// Binary takes 16 digits, octal 11, hexadecimal 8, and every value fits 32
// bits (signed, except read from hexadecimal); the same system, a text that
// names no radix (radix texts are not trimmed) gives nothing.
TEST(NumberSystems, ConversionTable) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        // clang-format off
        {"10", "2", "5", "0000000000000101"}, {"10", "2", "65535", "1111111111111111"},
        {"10", "2", "65536", "Input error"}, {"10", "2", "99999999999", "Input error"},
        {"10", "16", "2147483647", "7FFFFFFF"}, {"10", "16", "2147483648", "Input error"},
        {"10", "16", "0", "0"}, {"10", "8", "2147483647", "17777777777"}, {"10", "10", "12", ""},
        {"10", "2", "-5", "Input error"}, {"10", "8", "1.5", "Input error"},
        {"10", "16", "1.5", "Input error"}, {"10", "16", " 5", "Input error"},
        {"2", "10", "1111111111111111", "65535"}, {"2", "10", "11111111111111111", "Input error"},
        {"2", "16", "1111", "F"}, {"2", "16", "102", "Input error"}, {"2", "8", "1000", "10"},
        {"8", "10", "17777777777", "2147483647"}, {"8", "10", "20000000000", "Input error"},
        {"8", "10", "000000000017", "Input error"}, {"8", "10", "8", "Input error"},
        {"8", "2", "177777", "1111111111111111"}, {"16", "10", "ff", "255"},
        {"16", "10", "FFFFFFFF", "4294967295"}, {"16", "10", "100000000", "Input error"},
        {"16", "2", "FFFFFFFF", "Input error"}, {"16", "8", "80000000", "Input error"},
        {"16", "8", "7fffffff", "17777777777"}, {"16", "10", "1G", "Input error"},
        {"16", "16", "1G", ""}, {"3", "10", "12", ""}, {"10", " 2", "12", ""},
        // clang-format on
    };
    for (const auto& [from, into, input, expected] : cases)
        EXPECT_EQ(pFormatNumber(input, from, into), expected)
            << from << " -> " << into << ": " << input;
}
