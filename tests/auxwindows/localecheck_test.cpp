#include "auxwindows/localecheck.h"

#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(LocaleCheck, JudgesThePeriodFirstAndTellsOnlyWhileAsked) {
    // The formatted 1.23, ShowCheckLocale before, the mode and name judged, told.
    const std::tuple<const char*, int16_t, int, const char*, bool> cases[] = {
        // clang-format off
        {"1.23", 1, 0, "period", true}, {"1,23", 1, 1, "comma", true},
        {"1.234,00", 1, 0, "period", true}, {"1,23", 0, 1, "comma", false},
        {"1\xD9\xAB" "23", 1, 0, "", false}, {"", 1, 0, "", false},
        // clang-format on
    };
    for (auto [formatted, show, mode, name, told] : cases) {
        RecordingPrompt prompt;
        DecimalSettings dec;
        mCheckNumberLocale(formatted, show, dec, prompt);
        EXPECT_EQ(dec.pnDecimalMode, mode) << formatted;
        EXPECT_EQ(dec.psDecimalSeparatorName, name) << formatted;
        ASSERT_EQ(prompt.messages.size(), told ? 1u : 0u) << formatted;
        if (!told) continue;
        EXPECT_EQ(show, 0) << formatted;
        EXPECT_NE(prompt.messages[0].text.find(name), std::string::npos) << formatted;
    }
}
