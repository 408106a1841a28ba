#include "engine/conversiondriver.h"

#include "common/decimalsettings.h"
#include "common/sampletable.h"
#include "core/recordingprompt.h"
#include "table/tablereader.h"

#include <gtest/gtest.h>

using namespace qm;
using test::typedIn;

namespace {

enum Node : int16_t { kNumbers = 3, kTemperature = 5, kLength = 6 };
enum Unit : int16_t { M = 1, KM = 2, INCH = 3, ZERO = 4, BAD = 5, HUGE_ = 6 };
enum Temp : int16_t { K = 1, C = 2, F = 3, MK = 4 };
enum Radix : int16_t { DEC = 3, HEX = 4 };

const NumberStyle d4{4}, d7{7}, d8{8}, integer{6, 6, 1}, sci{6, 6, 0, 1}, err{6, 6, 0, 0, true};

enum Outcome { Plain, Hint, Factors }; // what is shown besides the result
// Input and expected text are written with the period, and typed and shown
// with the comma in comma mode.
struct Case {
    const char *input, *expected;
    NumberStyle style = {};
    int16_t from = M, into = M, node = kLength;
    Outcome shown = Plain;
};

// Notation: both bounds inclusive, 1000000 in range but with 7 integer digits;
// any NumFormat but 0 is scientific. What may be typed: "1,5" holds the other
// separator. Input beyond the range gives no number and no message about the
// factors; invalid factors (a zero ratio; a ratio 2 with error 2) give the
// message and no number. Millikelvin's ratio is 1D-3. Number systems: no
// separator check, no final '?'.
// clang-format off
const Case kCases[] = {
    {"  1500  ", "1.50000", {}, M, KM}, {"1000000", "1000000", d7},
    {"1000001", "1.000001E+06", d7}, {"1000000", "1.00000E+06"}, {"0.000001", "0.00000100000"},
    {"-0.00000099", "-9.90000E-07"}, {"1000.5", "1.00050E+03", {6, 3}},
    {"0.001", "0.00100000", {6, 3}}, {"0", "0.00000"}, {"0", "0.00000E+00", sci},
    {"12.5", "1.25000E+01", {6, 6, 0, 2}}, {"-2.7", "-3", {6, 6, 1, 1}},
    {"1e20", "1.00000E+20", integer}, {"1e20", "100000000000000000000", {6, 0, 1}},
    {"1e-9", "0.00000000100000", {6, -1}}, {"", ""}, {"-", ""}, {" + ", ""}, {"5", "", {}, 0},
    {"5", "", {}, M, 0}, {"1e", "1.00000"}, {"2.5e-", "2.50000"}, {"1E", "1.00000"},
    {"-1E+", "-1.00000"}, {".5", "0.500000"}, {"5.", "5.00000"}, {"e", "0.00000"},
    {"-12abc", "Input error"}, {"-x", "Input error"}, {"--1", "Input error"},
    {"12abc", "Input error"}, {"1-", "Input error"}, {"1 000", "Input error"},
    {"1\u202F000", "Input error"}, {"1.5.5", "Input error"}, {"??", "Input error"},
    {"1,5", "Input error", {}, M, M, kLength, Hint}, {"1e308", "Input error", {}, KM},
    {"-1e400", "Input error"}, {"+1e400", "Input error"}, {"1e308?", "Input error", err},
    {"1e300", "Input error", {}, HUGE_, HUGE_}, {"5", "", {}, M, ZERO, kLength, Factors},
    {"5", "", err, M, ZERO, kLength, Factors}, {"1", "0.500000 ", err, M, BAD, kLength, Factors},
    {"25?", "25.0000 ±5.00E-01", err}, {"25", "25.0000 ±0.00E+00", err},
    {"?", "0.00000 ±0.00E+00", err}, {"10?", "0.254000 ±1.27E-02", err, INCH},
    {"2", "2000.00 ±1.00E+00", err, KM}, {"2.50?", "2.50000 ±5.00E-03", err},
    {"1000", "1.00000 ±5.00E-04", err, M, KM},
    {"50", "10.0000 ±5.00E-05", err, F, C, kTemperature},
    {"10", "50.0000 ±9.00E-05", err, C, F, kTemperature},
    {"1", "0.00100000 ±5.00E-04", err, MK, K, kTemperature},
    {"100", "212.00004", d8, C, F, kTemperature},
    {"32", "0.000 ±0", {4, 6, 0, 0, true}, F, C, kTemperature},
    {"32", "-0.0000222222", {}, F, C, kTemperature}, {"32?", "-0.00002222", d4, F, C, kTemperature},
    {"-17.7777", "0.000", d4, C, F, kTemperature}, {"273.15", "0.00000", {}, K, C, kTemperature},
    {" 255 ", "FF", {}, DEC, HEX, kNumbers}, {"12?", "Input error", {}, DEC, HEX, kNumbers},
    {"1,5", "Input error", {}, DEC, HEX, kNumbers}
};
// clang-format on

class Driver : public ::testing::Test {
  protected:
    ConversionTable table;
    RecordingPrompt prompt;
    EngineState state;

    void load(const DecimalSettings& dec) {
        table = {};
        RecordingPrompt readPrompt;
        ReadContext ctx{readPrompt, dec, "/nonexistent/"};
        const std::vector<std::string> text = test::physicsTableLines(dec.pnDecimalMode == 1);
        const std::vector<std::string_view> lines(text.begin(), text.end());
        ASSERT_EQ(pReadTableLines(table, lines, ctx), 0);
    }

    std::optional<std::string> run(int16_t node, int16_t from, int16_t into,
                                   const std::string& input, NumberStyle style,
                                   const DecimalSettings& dec) {
        prompt = {};
        const ConversionInput in{input, from, into, node, static_cast<int16_t>(node - 2)};
        style.deriveSciBounds();
        return pExecConversion(table, in, style, dec, state, prompt);
    }
};

} // namespace

TEST_F(Driver, ConvertsUnderEveryDecimalSetting) {
    for (const DecimalSettings& dec : test::allDecimalSettings()) {
        load(dec);
        for (const Case& c : kCases) {
            const auto r = run(c.node, c.from, c.into, typedIn(c.input, dec), c.style, dec);
            const std::string where = test::settingsName(dec) + ": '" + c.input + "'";
            ASSERT_TRUE(r.has_value()) << where;
            EXPECT_EQ(*r, typedIn(c.expected, dec)) << where;
            EXPECT_EQ(prompt.hints, c.shown == Hint ? std::vector<int>{5} : std::vector<int>{})
                << where;
            EXPECT_EQ(prompt.messages.size(), c.shown == Factors ? 1u : 0u) << where;
        }
    }
}

// A failure that no check foresaw gives no result and names the last step reached.
TEST_F(Driver, UnexpectedFailuresAreReported) {
    load(test::allDecimalSettings()[0]);
    // The node, the convert-into unit, the input and the style.
    // clang-format off
    const std::tuple<int16_t, int16_t, const char*, NumberStyle> cases[] = {
        {kLength, 50, "5", {}}, {kNumbers, 50, "5", {}}, {kLength, M, "5", {0}},
        {kLength, M, "5", {0, 6, 0, 1}}, {kLength, M, "1e20", {0}}};
    // clang-format on
    for (const auto& [node, into, input, style] : cases) {
        const int16_t from = node == kNumbers ? int16_t{DEC} : int16_t{M};
        EXPECT_FALSE(run(node, from, into, input, style, test::allDecimalSettings()[0]));
        ASSERT_EQ(prompt.messages.size(), 1u) << input;
        EXPECT_EQ(prompt.messages[0].text, "Error Code = " + state.lastLabel);
    }
}
