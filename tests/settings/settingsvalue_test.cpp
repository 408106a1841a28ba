// Store encodings of the settings values.
#include "settings/settingsvalue.h"

#include "core/runerror.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace qm {
namespace {

struct IntCase {
    const char* text;
    int32_t expected;
};

TEST(SettingsValue, IntegerReadsLeadingNumberRoundingHalvesToEven) {
    const IntCase cases[] = {
        {"6", 6},           {"6.5", 6},   {"7.5", 8},    {"-2.5", -2},     {"-3.5", -4},
        {"0.5", 0},         {"1.5", 2},   {"6.51", 7},   {"", 0},          {"abc", 0},
        {"12abc", 12},      {" 42", 42},  {"7,095", 7},  {"32767", 32767}, {"-32768", -32768},
        {"32767.4", 32767}, {"&H10", 16}, {"1e3", 1000}, {"+9", 9},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(readInteger(c.text), c.expected) << c.text;
}

TEST(SettingsValue, IntegerOutsideRangeIsOverflow) {
    for (const char* text : {"40000", "32767.5", "32768", "-32769", "-32768.6", "1e10", "1e400"}) {
        try {
            readInteger(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const RunError& e) {
            EXPECT_EQ(e.kind(), RunErrorKind::Overflow) << text;
        }
    }
}

TEST(SettingsValue, LongReadsThe32BitRange) {
    const IntCase cases[] = {
        {"16777215", 16777215},
        {"-2147483644", -2147483644},
        {"2147483647", 2147483647},
        {"-2147483648.5", INT32_MIN},
        {"0", 0},
        {"40000", 40000},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(readLong(c.text), c.expected) << c.text;
    for (const char* text : {"2147483648", "2147483647.5", "-2147483649"})
        EXPECT_THROW(readLong(text), RunError) << text;
}

TEST(SettingsValue, SingleReadsWithoutRounding) {
    struct Case {
        const char* text;
        float expected;
    } cases[] = {
        {"7095.5", 7095.5f}, {"7,095", 7.0f}, {"450", 450.0f}, {"-30.25", -30.25f},
        {"1e3", 1000.0f},    {"", 0.0f},      {"x12", 0.0f},   {"0.1", 0.1f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readSingle(c.text), c.expected) << c.text;
    for (const char* text : {"1e39", "-1e39", "1e400"})
        EXPECT_THROW(readSingle(text), RunError) << text;
}

TEST(SettingsValue, BooleanWordsInAnyCaseOrNumbers) {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {"True", true},   {"TRUE", true},   {"true", true}, {"False", false},
        {"FaLsE", false}, {" True ", true}, {"0", false},   {"1", true},
        {"-1", true},     {"2.5", true},    {"0.0", false}, {"1e2", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readBoolean(c.text), c.expected) << c.text;
}

TEST(SettingsValue, OtherBooleanTextIsTypeMismatch) {
    for (const char* text : {"", "yes", "T", "1x", "Truee", "on", "."}) {
        try {
            readBoolean(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const RunError& e) {
            EXPECT_EQ(e.kind(), RunErrorKind::TypeMismatch) << text;
        }
    }
}

TEST(SettingsValue, SingleWrittenShortestWithSevenDigitsAtMost) {
    struct Case {
        float value;
        const char* expected;
    } cases[] = {
        {450.0f, "450"},
        {7095.5f, "7095.5"},
        {0.1f, "0.1"},
        {-5.25f, "-5.25"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {1234567.0f, "1234567"},
        {12345678.0f, "1.234568E+07"},
        {3.14159265f, "3.141593"},
        {0.0001f, "0.0001"},
        {0.00001f, "1E-05"},
        {2039.0f, "2039"},
        {1e10f, "1E+10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(writeSingle(c.value), c.expected) << c.value;
}

TEST(SettingsValue, IntegersAndBooleansWritten) {
    EXPECT_EQ(writeInteger(-5), "-5");
    EXPECT_EQ(writeInteger(16777215), "16777215");
    EXPECT_EQ(writeInteger(-2147483644), "-2147483644");
    EXPECT_EQ(writeBoolean(true), "True");
    EXPECT_EQ(writeBoolean(false), "False");
}

TEST(SettingsValue, WrittenSinglesReadBackUnchanged) {
    for (float v : {450.0f, 7095.5f, -30.25f, 1200.5f, 6000.25f, 0.0f, 1e10f})
        EXPECT_EQ(readSingle(writeSingle(v)), v) << v;
}

} // namespace
} // namespace qm
