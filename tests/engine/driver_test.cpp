#include "engine/conversiondriver.h"

#include "common/sampletable.h"
#include "core/recordingprompt.h"
#include "table/tablereader.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

enum Node : int16_t { kNumbers = 3, kTemperature = 5, kLength = 6 };
enum Unit : int16_t { M = 1, KM = 2, INCH = 3, ZERO = 4, BAD = 5, HUGE_ = 6 };
enum Temp : int16_t { K = 1, C = 2, F = 3 };
enum Radix : int16_t { BIN = 1, OCT = 2, DEC = 3, HEX = 4 };

struct Style {
    int16_t digits = 6;
    int16_t sciDigits = 6;
    int16_t integer = 0;
    int16_t numFormat = 0;
    bool showError = false;
};

struct Case {
    int16_t node;
    int16_t from, into;
    const char* input;
    Style style;
    const char* expected;
};

class Driver : public ::testing::Test {
  protected:
    ConversionTable table;
    RecordingPrompt prompt;
    EngineState state;
    DecimalSettings dec;

    void load(bool comma) {
        if (comma)
            dec = DecimalSettings{1, "comma", NumberLocale{',', '.'}};
        else
            dec = DecimalSettings{0, "period", NumberLocale{'.', ','}};
        RecordingPrompt readPrompt;
        ReadContext ctx{readPrompt, dec, "/nonexistent/"};
        const std::vector<std::string> text = test::physicsTableLines(comma);
        const std::vector<std::string_view> lines(text.begin(), text.end());
        ASSERT_EQ(pReadTableLines(table, lines, ctx), 0);
    }

    std::optional<std::string> run(int16_t node, int16_t from, int16_t into, const char* input,
                                   const Style& s = {}) {
        ConversionInput in;
        in.fromText = input;
        in.pnConvFromIndex = from;
        in.pnConvIntoIndex = into;
        in.pnSelNodeIndex = node;
        in.pnSelGroupIndex = static_cast<int16_t>(node - 2); // Category# = Order# here
        NumberStyle style;
        style.pnDigits = s.digits;
        style.pnSciDigits = s.sciDigits;
        style.pnInteger = s.integer;
        style.pnNumFormat = s.numFormat;
        style.pbShowError = s.showError;
        style.deriveSciBounds();
        return pExecConversion(table, in, style, dec, state, prompt);
    }

    void runCases(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            prompt.messages.clear();
            prompt.hints.clear();
            const auto r = run(c.node, c.from, c.into, c.input, c.style);
            ASSERT_TRUE(r.has_value()) << c.input;
            EXPECT_EQ(*r, c.expected) << "input '" << c.input << "' digits " << c.style.digits;
            EXPECT_TRUE(prompt.messages.empty()) << c.input;
        }
    }
};

const Style d7{7};
const Style d4{4};
const Style d8{8};
const Style integer{6, 6, 1};
const Style scientific{6, 6, 0, 1};
const Style noThreshold{6, 0};
const Style showError{6, 6, 0, 0, true};

} // namespace

TEST_F(Driver, NotationThresholdsAreInclusive) {
    load(false);
    runCases({
        {kLength, M, KM, "1500", {}, "1.50000"},
        {kLength, M, M, "1000000", d7, "1000000"},
        {kLength, M, M, "1000001", d7, "1.000001E+06"},
        {kLength, M, M, "1000000", {}, "1.00000E+06"}, // in range, but 7 integer digits
        {kLength, M, M, "0.0000001", d7, "1.000000E-07"},
        {kLength, M, M, "0.000001", {}, "0.00000100000"},
        {kLength, M, M, "0.00000099", {}, "9.90000E-07"},
        {kLength, M, M, "-0.00000099", {}, "-9.90000E-07"},
        {kLength, M, M, "1000", {6, 3}, "1000.00"},
        {kLength, M, M, "1000.5", {6, 3}, "1.00050E+03"},
        {kLength, M, M, "0.001", {6, 3}, "0.00100000"},
        {kLength, M, M, "0.00099", {6, 3}, "9.90000E-04"},
    });
}

TEST_F(Driver, ZeroIntegerAndScientificOptions) {
    load(false);
    runCases({
        {kLength, M, M, "0", {}, "0.00000"},
        {kLength, M, M, "0", integer, "0"},
        {kLength, M, M, "0", scientific, "0.00000E+00"},
        {kLength, M, M, "0", {6, 6, 1, 1}, "0"},
        {kLength, M, M, "2.7", integer, "3"},
        {kLength, M, M, "-2.7", integer, "-3"},
        {kLength, M, M, "1e20", integer, "1.00000E+20"},
        {kLength, M, M, "1e20", {6, 0, 1}, "100000000000000000000"},
        {kLength, M, M, "1e-9", noThreshold, "0.00000000100000"},
        {kLength, M, M, "1e20", {6, -1, 1}, "100000000000000000000"},
        {kLength, M, M, "12.5", scientific, "1.25000E+01"},
        {kLength, M, M, "1e20", {6, 6, 1, 1}, "1.00000E+20"},
        {kLength, KM, M, "1.5", integer, "1500"},
    });
}

TEST_F(Driver, InputForms) {
    load(false);
    runCases({
        {kLength, M, KM, "  1500  ", {}, "1.50000"},
        {kLength, M, M, "", {}, ""},
        {kLength, M, M, "   ", {}, ""},
        {kLength, M, M, "-", {}, ""},
        {kLength, M, M, " + ", {}, ""},
        {kLength, M, M, "1e", {}, "1.00000"},
        {kLength, M, M, "2.5e-", {}, "2.50000"},
        {kLength, M, M, "-12abc", {}, "-12.0000"},
        {kLength, M, M, "-x", {}, "0.00000"},
        {kLength, M, M, "e", {}, "0.00000"},
        {kLength, M, M, "12abc", {}, "Input error"},
        {kLength, M, M, "abc", {}, "Input error"},
        {kLength, M, M, "1 000", {}, "Input error"},
        {kLength, M, M, "1e5", {}, "100000"},
        {kLength, M, M, "25?", {}, "25.0000"},
        {kLength, M, M, "?", {}, "0.00000"},
        {kLength, M, M, "??", {}, "Input error"},
        {kLength, 0, M, "5", {}, ""},
        {kLength, M, 0, "5", {}, ""},
    });
}

TEST_F(Driver, RoundingError) {
    load(false);
    runCases({
        {kLength, M, M, "25?", showError,
         "25.0000 \xC2\xB1"
         "5.00E-01"},
        {kLength, M, M, "25", showError,
         "25.0000 \xC2\xB1"
         "0.00E+00"},
        {kLength, M, M, "?", showError,
         "0.00000 \xC2\xB1"
         "0.00E+00"},
        {kLength, INCH, M, "10?", showError,
         "0.254000 \xC2\xB1"
         "1.27E-02"},
        {kLength, KM, M, "2", showError,
         "2000.00 \xC2\xB1"
         "1.00E+00"},
        {kLength, M, M, "2.50?", showError,
         "2.50000 \xC2\xB1"
         "5.00E-03"},
    });
}

TEST_F(Driver, SpecialTemperatureRule) {
    load(false);
    runCases({
        {kTemperature, C, F, "100", {}, "212.000"},
        {kTemperature, C, F, "100", d8, "212.00004"},
        {kTemperature, F, C, "32", d4, "0.000"},
        {kTemperature,
         F,
         C,
         "32",
         {4, 6, 0, 0, true},
         "0.000 \xC2\xB1"
         "0"},
        {kTemperature, F, C, "32", {}, "-0.0000222222"},
        {kTemperature, F, C, "32?", d4, "-0.00002222"},
        {kTemperature, C, F, "-17.7777", d4, "0.000"},
        {kTemperature, C, F, "-17.7777", {}, "0.000180000"},
        {kTemperature, K, C, "273.15", {}, "0.00000"},
    });
}

TEST_F(Driver, NumberSystems) {
    load(false);
    runCases({
        {kNumbers, DEC, BIN, "5", {}, "0000000000000101"},
        {kNumbers, HEX, DEC, " ff ", {}, "255"},
        {kNumbers, DEC, HEX, "12?", {}, "Input error"},
        {kNumbers, DEC, HEX, "1,5", {}, "Input error"},
        {kNumbers, OCT, BIN, "17", {}, "0000000000001111"},
        {kNumbers, DEC, DEC, "12", {}, ""},
        {kNumbers, DEC, HEX, "-", {}, ""},
    });
    EXPECT_TRUE(prompt.hints.empty());
}

TEST_F(Driver, CommaModeEndToEnd) {
    load(true);
    runCases({
        {kLength, M, M, "1,5", {}, "1,50000"},
        {kLength, M, M, "2,5e-", {}, "2,50000"},
        {kLength, M, M, "1000000", {}, "1,00000E+06"},
        {kLength, INCH, M, "10?", showError,
         "0,254000 \xC2\xB1"
         "1,27E-02"},
        {kTemperature,
         F,
         C,
         "32",
         {4, 6, 0, 0, true},
         "0,000 \xC2\xB1"
         "0"},
        {kTemperature, C, F, "100", d8, "212,00004"},
        {kNumbers, DEC, HEX, "255", {}, "FF"},
    });
    const auto r = run(kLength, M, M, "1.5");
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, "Input error");
    EXPECT_EQ(prompt.hints, std::vector<int>{5});
}

TEST_F(Driver, WrongSeparatorShowsTipFiveAndInputError) {
    load(false);
    const auto r = run(kLength, M, M, "1,5");
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, "Input error");
    EXPECT_EQ(prompt.hints, std::vector<int>{5});
}

TEST_F(Driver, InvalidFactorsShowTheMessageAndTheNeutralResult) {
    load(false);
    const struct {
        int16_t into;
        const char* input;
        bool showError;
        const char* expected;
        std::size_t messages;
    } cases[] = {
        {ZERO, "5", false, "0.00000", 0}, // a zero ratio alone is no failure
        {ZERO, "5", true, "0.00000 ", 1}, // but the error interval divides by it
        {BAD, "1", true, "0.500000 ", 1}, // ratio 2 with error 2
        {BAD, "1", false, "0.500000", 0},
    };
    for (const auto& c : cases) {
        prompt.messages.clear();
        const auto r = run(kLength, M, c.into, c.input, {6, 6, 0, 0, c.showError});
        ASSERT_TRUE(r);
        EXPECT_EQ(*r, c.expected);
        ASSERT_EQ(prompt.messages.size(), c.messages);
        for (const auto& m : prompt.messages) {
            EXPECT_EQ(m.text, "The conversion factors currently used seem to be invalid.");
            EXPECT_EQ(m.title, " Quantimetrix");
            EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        }
    }
    prompt.messages.clear();
    const auto overflow = run(kLength, HUGE_, HUGE_, "1e300");
    ASSERT_TRUE(overflow);
    EXPECT_EQ(*overflow, "0.00000");
    EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST_F(Driver, ProgressLabels) {
    load(false);
    const struct {
        int16_t node;
        const char* input;
        const char* label;
    } cases[] = {
        {kLength, "", "PECV01"},   {kLength, "abc", "PECV05"}, {kLength, "5", "PECV16"},
        {kNumbers, "5", "PECV02"}, {kLength, "-", "PECV01"},
    };
    for (const auto& c : cases) {
        const int16_t from = c.node == kNumbers ? int16_t{DEC} : int16_t{M};
        const int16_t into = c.node == kNumbers ? int16_t{HEX} : int16_t{M};
        ASSERT_TRUE(run(c.node, from, into, c.input));
        EXPECT_EQ(state.lastLabel, c.label) << c.input;
    }
}

TEST_F(Driver, UnexpectedFailuresReportTheLabel) {
    load(false);
    const struct {
        int16_t node;
        int16_t into;
        const char* input;
        Style style;
        const char* label;
    } cases[] = {
        {kLength, 50, "5", {}, "PECV06"}, // unit beyond the arrays
        {kNumbers, 50, "5", {}, "PECV02"},
        {kLength, M, "5", {0}, "PECV14"}, // no digits to show
        {kLength, M, "5", {0, 6, 0, 1}, "PECV15"},
        {kLength, M, "1e20", {0}, "PECV11"},
    };
    for (const auto& c : cases) {
        prompt.messages.clear();
        const int16_t from = c.node == kNumbers ? int16_t{DEC} : int16_t{M};
        EXPECT_FALSE(run(c.node, from, c.into, c.input, c.style).has_value()) << c.label;
        ASSERT_EQ(prompt.messages.size(), 1u);
        EXPECT_EQ(prompt.messages[0].text, std::string("Error Code = ") + c.label);
        EXPECT_EQ(prompt.messages[0].title, "Quantimetrix");
        EXPECT_EQ(prompt.messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(state.lastLabel, c.label);
    }
}

TEST_F(Driver, ExactInputFlagFollowsOrdinaryConversionsOnly) {
    load(false);
    ASSERT_TRUE(run(kLength, M, M, "25?"));
    EXPECT_FALSE(state.pbExactInput);
    ASSERT_TRUE(run(kNumbers, DEC, HEX, "25"));
    ASSERT_TRUE(run(kLength, M, M, ""));
    EXPECT_FALSE(state.pbExactInput);
    ASSERT_TRUE(run(kLength, M, M, "25"));
    EXPECT_TRUE(state.pbExactInput);
}
