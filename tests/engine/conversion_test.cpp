#include "engine/conversion.h"

#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

UnitRecord unitOf(const char* ratio, const char* offset, const char* ratioErr = "0",
                  const char* offsetErr = "0") {
    UnitRecord u;
    u.Name = "u";
    u.Ratio = ratio;
    u.Offset = offset;
    u.RatioError = ratioErr;
    u.OffsetError = offsetErr;
    return u;
}

const UnitRecord kCelsius = unitOf("1", "273.15");
const UnitRecord kFahrenheit = unitOf("0.5555555555555556", "255.3722");

} // namespace

TEST(Conversion, CommaToPeriodTurnsOnlyTheFirstCommaInCommaMode) {
    const struct {
        const char* text;
        int16_t mode;
        const char* expected;
    } cases[] = {
        {"1,5", 1, "1.5"}, {"1,000,5", 1, "1.000,5"}, {"1,5", 0, "1,5"},
        {" ,", 1, " ."},   {"  ", 1, "  "},           {"", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pCommaToPeriod(c.text, c.mode), c.expected) << c.text;
}

TEST(Conversion, RoundErrorIsHalfAUnitOfTheLastDigit) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"1.23", 0.005}, {"1200", 0.5},  {"1.5E+03", 50},   {"1.5e3", 50}, {"0", 0},
        {"", 0},         {"-2.5", 0.05}, {"0.010", 0.0005}, {"abc", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(pRoundError(c.text), c.expected) << c.text;
    EXPECT_EQ(pRemovePoint("1.2.3"), "12.3");
    EXPECT_EQ(pRemovePoint("12"), "12");
}

TEST(Conversion, LinearConversion) {
    RecordingPrompt p;
    const UnitRecord one = unitOf("1", "0");
    EXPECT_DOUBLE_EQ(pConvert("12.5", {one, one}, p), 12.5);
    EXPECT_DOUBLE_EQ(pConvert("12abc", {one, one}, p), 12);
    // 100 degrees Celsius into Fahrenheit: the rounded offset shows.
    EXPECT_NEAR(pConvert("100", {kCelsius, kFahrenheit}, p), 212.00004, 1e-9);
    // A convert-into ratio of 0 or empty gives 0 without a message.
    EXPECT_EQ(pConvert("5", {one, unitOf("0", "0")}, p), 0);
    EXPECT_EQ(pConvert("5", {one, unitOf("", "0")}, p), 0);
    EXPECT_TRUE(p.messages.empty());
    // Comma mode reads table texts with their first comma as the period.
    EXPECT_DOUBLE_EQ(pConvert("2", {unitOf("1,5", "0"), one, 1}, p), 3.0);
    EXPECT_DOUBLE_EQ(pConvert("1", {unitOf("1,000,5", "0"), one, 1}, p), 1.0);
}

TEST(Conversion, OverflowReportsInvalidFactorsAndGivesZero) {
    RecordingPrompt p;
    const UnitRecord huge = unitOf("1e300", "0");
    EXPECT_EQ(pConvert("1e300", {huge, unitOf("1", "0")}, p), 0);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].text, "The conversion factors currently used seem to be invalid.");
    EXPECT_EQ(p.messages[0].title, " Quantimetrix");
    EXPECT_EQ(p.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(p.messages[0].buttons, MsgButtons::OK);
}

TEST(Conversion, ErrorStrings) {
    const UnitRecord one = unitOf("1", "0");
    const UnitRecord two = unitOf("2", "0");
    const UnitRecord inch = unitOf("0.0254", "0");
    const struct {
        const char* input;
        UnitRecord from, into;
        bool exact;
        const char* expected;
    } cases[] = {
        // Rounded input 25: +-0.5, halved by the ratio 2.
        {"25", one, two, false,
         "\xC2\xB1"
         "2.50E-01"},
        {"25", one, two, true,
         "\xC2\xB1"
         "0.00E+00"},
        // 10? inch = 0.254 m +- 0.5 * 0.0254.
        {"10", inch, one, false,
         "\xC2\xB1"
         "1.27E-02"},
        // Empty error texts come from the digits: 1.23 gives 0.005.
        {"1", unitOf("1.23", "0", "", "0"), one, true,
         "\xC2\xB1"
         "5.00E-03"},
        // 1000 gives 0.5 per unit: 2 * 0.5.
        {"2", unitOf("1000", "0", "", ""), one, true,
         "\xC2\xB1"
         "1.00E+00"},
        // An offset error of its own: +-0.1 on the base value.
        {"0", one, unitOf("1", "5", "0", "0.1"), true,
         "\xC2\xB1"
         "1.00E-01"},
    };
    for (const auto& c : cases) {
        RecordingPrompt p;
        EXPECT_EQ(pGetErrString(c.input, {c.from, c.into}, c.exact, p), c.expected) << c.input;
        EXPECT_TRUE(p.messages.empty());
    }
}

TEST(Conversion, ErrorStringWithZeroDivisorReportsAndGivesEmpty) {
    const UnitRecord one = unitOf("1", "0");
    for (const UnitRecord& into :
         {unitOf("2", "0", "2"), unitOf("2", "0", "-2"), unitOf("0", "0")}) {
        RecordingPrompt p;
        EXPECT_EQ(pGetErrString("1", {one, into}, true, p), "");
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_EQ(p.messages[0].text, "The conversion factors currently used seem to be invalid.");
        EXPECT_EQ(p.messages[0].title, " Quantimetrix");
        EXPECT_EQ(p.messages[0].icon, MsgIcon::Exclamation);
    }
}

TEST(Conversion, SpecialTemperatureRule) {
    const UnitRecord kelvin = unitOf("1", "0");
    const UnitRecord celsiusComma = unitOf("1", "273,15");
    const UnitRecord fahrenheitComma = unitOf("0,5555555555555556", " 255,3722 ");
    const struct {
        UnitRecord from, into;
        int16_t mode;
        double result;
        int16_t digits;
        bool cleared;
    } cases[] = {
        {kFahrenheit, kCelsius, 0, -0.0000222, 4, true},  // below 0.001
        {kFahrenheit, kCelsius, 0, -0.0000222, 6, false}, // not below 0.00001
        {kFahrenheit, kCelsius, 0, 0.0000099, 6, true},
        {kFahrenheit, kCelsius, 0, 0.00001, 6, false}, // strictly below only
        {kCelsius, kFahrenheit, 0, 0.00018, 4, true},  // the other direction
        {kCelsius, kFahrenheit, 0, 0.00018, 6, false},
        {kFahrenheit, kelvin, 0, 0.0000001, 6, false}, // other offsets: untouched
        {kCelsius, kCelsius, 0, 0.0000001, 6, false},
        {fahrenheitComma, celsiusComma, 1, -0.0000222, 4, true},  // comma texts match
        {fahrenheitComma, celsiusComma, 0, -0.0000222, 4, false}, // unless in comma mode
    };
    for (const auto& c : cases) {
        double r = c.result;
        std::string err = "\xC2\xB1"
                          "1.00E-05";
        pSpecialTempConv(r, err, {c.from, c.into, c.mode}, c.digits);
        if (c.cleared) {
            EXPECT_EQ(r, 0) << c.result << " digits " << c.digits;
            EXPECT_EQ(err, "\xC2\xB1"
                           "0");
        } else {
            EXPECT_EQ(r, c.result) << c.result << " digits " << c.digits;
            EXPECT_EQ(err, "\xC2\xB1"
                           "1.00E-05");
        }
    }
}
