#include "auxwindows/localecheck.h"

#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(LocaleCheck, JudgesThePeriodFirstAndTellsOnlyWhileAsked) {
    // The formatted 1.23, ShowCheckLocale before, the mode and name judged, told.
    const struct {
        const char* formatted;
        int16_t show;
        int mode;
        const char* name;
        bool told;
    } cases[] = {
        // clang-format off
        {"1.23", 1, 0, "period", true}, {"1,23", 1, 1, "comma", true},
        {"1.234,00", 1, 0, "period", true}, {"1,23", 0, 1, "comma", false},
        {"1\xD9\xAB" "23", 1, 0, "", false}, {"", 1, 0, "", false},
        // clang-format on
    };
    for (auto c : cases) {
        RecordingPrompt prompt;
        DecimalSettings dec;
        mCheckNumberLocale(c.formatted, c.show, dec, prompt);
        EXPECT_EQ(dec.pnDecimalMode, c.mode) << c.formatted;
        EXPECT_EQ(dec.psDecimalSeparatorName, c.name) << c.formatted;
        ASSERT_EQ(prompt.messages.size(), c.told ? 1u : 0u) << c.formatted;
        if (!c.told) continue;
        EXPECT_EQ(c.show, 0) << c.formatted;
        EXPECT_EQ(prompt.messages[0].text,
                  std::string("Quantimetrix judges the operating system uses a ") +
                      (c.mode ? "comma" : "period") + " as decimal separator.");
    }
}
