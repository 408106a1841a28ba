#include "engine/conversion.h"

#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

UnitRecord unitOf(const char* ratio, const char* offset = "0") {
    return UnitRecord{1, "u", ratio, offset, "0", "0", ""};
}

} // namespace

TEST(Conversion, RoundErrorIsHalfAUnitOfTheLastDigit) {
    const std::pair<const char*, double> cases[] = {
        {"1.23", 0.005}, {"1200", 0.5},     {"1.5E+03", 50}, {"1.5e3", 50},
        {"1.5D3", 50},   {"1.5d-3", 5e-5},  {"0", 0},        {"", 0},
        {"-2.5", 0.05},  {"0.010", 0.0005}, {"abc", 0}};
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(pRoundError(text), expected) << text;
}

// The driver's tests decide the common cases; these are the factors that the
// shared table does not hold.
TEST(Conversion, FactorsTheTableTextsGive) {
    const std::tuple<UnitRecord, UnitRecord, int16_t, double, ConvFailure> cases[] = {
        // With mode 1 a comma reads as the period (only the first one).
        {unitOf("1,5"), unitOf("1"), 1, 3.0, ConvFailure::None},
        {unitOf("1,000,5"), unitOf("1"), 1, 2.0, ConvFailure::None},
        {unitOf("1,5"), unitOf("1"), 0, 2.0, ConvFailure::None},
        {unitOf("1"), unitOf("abc"), 0, 0, ConvFailure::InvalidFactors},
        {unitOf("1"), unitOf("1e400"), 0, 0, ConvFailure::InvalidFactors},
        {unitOf("1e400"), unitOf("1"), 0, 0, ConvFailure::InvalidFactors},
        {unitOf("1", "1e308"), unitOf("1", "-1e308"), 0, 0, ConvFailure::InvalidFactors},
        {unitOf("1e300"), unitOf("1e-300"), 0, 0, ConvFailure::InputOverflow}};
    for (const auto& [from, into, mode, value, failure] : cases) {
        RecordingPrompt p;
        const ConvValue v = pConvert("2", {from, into, mode}, p);
        EXPECT_EQ(v.value, value) << from.Ratio << " into " << into.Ratio;
        EXPECT_EQ(v.failure, failure) << from.Ratio << " into " << into.Ratio;
        EXPECT_EQ(p.messages.size(), failure == ConvFailure::InvalidFactors ? 1u : 0u);
    }
}

TEST(Conversion, SpecialTemperatureRuleComparesTheOffsetTexts) {
    const UnitRecord kelvin = unitOf("1"), celsius = unitOf("1", "273.15"),
                     fahrenheit = unitOf("0.5555555555555556", "255.3722"),
                     celsiusComma = unitOf("1", "273,15"),
                     fahrenheitComma = unitOf("0,5555555555555556", " 255,3722 ");
    const std::tuple<UnitRecord, UnitRecord, int16_t, double, int16_t, bool> cases[] = {
        // Strictly below 1/10^(digits-1), in either direction; other offsets are
        // untouched, only blanks are trimmed, and comma texts match in comma mode only.
        // clang-format off
        {fahrenheit, celsius, 0, 0.0000099, 6, true}, {fahrenheit, celsius, 0, 0.00001, 6, false},
        {celsius, fahrenheit, 0, 0.00018, 4, true}, {celsius, fahrenheit, 0, 0.00018, 6, false},
        {fahrenheit, kelvin, 0, 0.0000001, 6, false}, {celsius, celsius, 0, 0.0000001, 6, false},
        {fahrenheit, unitOf("1", "\t273.15"), 0, 0.0000001, 6, false},
        {fahrenheitComma, celsiusComma, 1, -0.0000222, 4, true},
        {fahrenheitComma, celsiusComma, 0, -0.0000222, 4, false}
        // clang-format on
    };
    for (const auto& [from, into, mode, result, digits, cleared] : cases) {
        double r = result;
        std::string err = "±1.00E-05";
        pSpecialTempConv(r, err, {from, into, mode}, digits);
        EXPECT_EQ(r, cleared ? 0 : result) << result << " digits " << digits;
        EXPECT_EQ(err, cleared ? "±0" : "±1.00E-05");
    }
}
