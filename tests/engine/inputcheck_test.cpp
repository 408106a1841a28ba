#include "engine/inputcheck.h"

#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

DecimalSettings periodSettings() {
    DecimalSettings d;
    d.psDecimalSeparatorName = "period";
    return d;
}

DecimalSettings commaSettings() {
    DecimalSettings d;
    d.pnDecimalMode = 1;
    d.psDecimalSeparatorName = "comma";
    d.locale = NumberLocale{',', '.'};
    return d;
}

} // namespace

TEST(InputCheck, DecimalSeparator) {
    const struct {
        const char* text;
        bool comma;
        int16_t expected;
    } cases[] = {
        {"1,5", false, 1}, {"1.5", false, 0}, {"1.5", true, 1}, {"1,5", true, 0},
        {"", false, 0},    {"   ", true, 0},  {"12", true, 0},  {"1,5", false, 1},
    };
    for (const auto& c : cases) {
        RecordingPrompt p;
        const int16_t r =
            pCheckDecimalSeparator(c.text, c.comma ? commaSettings() : periodSettings(), p);
        EXPECT_EQ(r, c.expected) << c.text;
        EXPECT_EQ(p.hints, r ? std::vector<int>{5} : std::vector<int>{}) << c.text;
    }
}

// In the period locale "1,5" is a number with a digit-group separator; the
// decimal-separator check is what rejects it.
TEST(InputCheck, ConvValCheckRulesInOrder) {
    const struct {
        const char* text;
        int16_t expected;
    } cases[] = {
        {"", 0},      {"1 000", 1}, {"- 1", 1},  {"-x", 0},  {"+", 0},    {"-12abc", 0},
        {"-1e", 0},   {"e", 0},     {"1e", 0},   {"1E", 0},  {"1e-", 0},  {"1E+", 0},
        {"2.5e-", 0}, {"1e5", 0},   {"1.5", 0},  {".5", 0},  {"5.", 0},   {"12abc", 1},
        {"abc", 1},   {"1e5x", 1},  {"1..5", 1}, {"1,5", 0}, {"1e+5", 0}, {"1,000", 0},
        {"?", 1},     {"1e400", 1}, {"1-", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pConvValCheck(c.text, periodSettings()), c.expected) << c.text;
}

TEST(InputCheck, ConvValCheckInCommaLocale) {
    // The driver passes the text after the first comma became a period.
    const struct {
        const char* text;
        int16_t expected;
    } cases[] = {{"1,5", 0}, {"1.000,5", 0}, {"abc", 1}, {"1,5,5", 1}, {"1e", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(pConvValCheck(c.text, commaSettings()), c.expected) << c.text;
}

TEST(InputCheck, NumCheck) {
    const struct {
        const char* text;
        int16_t expected;
    } cases[] = {{"", 0},   {"12", 0}, {" 12 ", 0}, {"-1e-3", 0}, {"3*4", 1},
                 {"1e", 1}, {"-", 1},  {"x", 1},    {"1.5", 0},   {"1,5", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(pNumCheck(c.text, periodSettings()), c.expected) << c.text;
    EXPECT_EQ(pNumCheck("1,5", commaSettings()), 0);
}
