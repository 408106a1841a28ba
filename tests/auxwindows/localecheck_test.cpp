#include "auxwindows/localecheck.h"

#include "core/recordingprompt.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(LocaleCheck, JudgesThePeriodFirstThenTheComma) {
    struct Case {
        const char* formatted;
        bool found;
        int mode;
        const char* name;
    } cases[] = {
        {"1.23", true, 0, "period"},
        {"1,23", true, 1, "comma"},
        {"1.234,00", true, 0, "period"},
        {"1\xD9\xAB"
         "23",
         false, 0, ""},
        {"", false, 0, ""},
    };
    for (auto c : cases) {
        RecordingPrompt prompt;
        int16_t show = 1;
        DecimalSettings dec;
        mCheckNumberLocale(c.formatted, show, dec, prompt);
        EXPECT_EQ(dec.pnDecimalMode, c.mode) << c.formatted;
        EXPECT_EQ(dec.psDecimalSeparatorName, c.name) << c.formatted;
        EXPECT_EQ(prompt.messages.size(), c.found ? 1u : 0u) << c.formatted;
        EXPECT_EQ(show, c.found ? 0 : 1) << c.formatted;
    }
}

TEST(LocaleCheck, TellsTheUserOnlyWhileShowCheckLocaleIsOne) {
    RecordingPrompt prompt;
    int16_t show = 1;
    DecimalSettings dec;
    mCheckNumberLocale("1,23", show, dec, prompt);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "Quantimetrix judges the operating system uses a comma as decimal separator.");
    EXPECT_EQ(prompt.messages[0].title, " Confirm Locale");
    EXPECT_EQ(prompt.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(prompt.messages[0].buttons, MsgButtons::OK);
    mCheckNumberLocale("1,23", show, dec, prompt); // second start: nothing shown
    EXPECT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(dec.pnDecimalMode, 1);
}
