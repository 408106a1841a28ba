// Reading all settings from the store and writing them back.
#include "settings/config.h"

#include "settings/settingsfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace qm {
namespace {

using test::readCustom;
using test::settingsFile;
using test::storeOf;
using test::tableWithNodes;

constexpr float kListWidth = 2345;
const WindowCapture kMinimised{true};

// The entries with the value of `key` replaced.
std::vector<StoreEntry> with(std::vector<StoreEntry> entries, const char* key, const char* v) {
    for (StoreEntry& e : entries)
        if (e.key == key) e.value = v;
    return entries;
}

// What an empty store gives.
Settings defaultsRead() {
    Settings s;
    s.HeaderWidth[2][0] = kListWidth;
    s.psRootNodeText = "default.dat";
    return s;
}

TEST(ReadCfg, EmptyStoreAsksEveryKeyInOrderAndGivesTheDefaults) {
    Settings s;
    ConversionTable t = tableWithNodes();
    ASSERT_TRUE(readCustom(s, t));
    s.TextColor[3] = s.TextColor[5] = s.BackColor[5] = 1; // areas never stored
    s.FontStyle[5] = {1, 1, 1};
    MemoryStore store;
    RecordingPrompt prompt;
    EXPECT_TRUE(pReadCfg(s, t, store, prompt, kListWidth));
    EXPECT_EQ(store.reads, settingsFile("settings_defaults.txt"));
    EXPECT_TRUE(s == defaultsRead());
    EXPECT_TRUE(t.psTableFile.empty() && prompt.messages.empty() && store.writes.empty());
}

TEST(ReadCfg, StoredValuesAndTheValuesThatFollow) {
    const struct {
        const char* key;
        const char* stored;
        void (*expect)(Settings&); // the changes from the defaults, if any
    } cases[] = {
        // clang-format off
        {"Digits", "0", nullptr}, {"Digits", "3", nullptr}, {"Digits", "13", nullptr},
        {"Digits", "abc", nullptr}, {"SciDigits", "3", nullptr}, {"SciDigits", "10", nullptr},
        {"SciDigits", "-1", nullptr}, {"Integer", "2", nullptr}, {"NumFormat", "2", nullptr},
        {"NumFormat", "-1", nullptr},
        // clang-format on
        {"Digits", "4", [](Settings& s) { s.numberStyle.pnDigits = 4; }},
        {"Digits", "12.4", [](Settings& s) { s.numberStyle.pnDigits = 12; }},
        {"SciDigits", "9", [](Settings& s) { s.numberStyle = {6, 9, 0, 0, false, 1e9, 1e-9}; }},
        {"Integer", "1", [](Settings& s) { s.numberStyle.pnInteger = 1; }},
        {"NumFormat", "1", [](Settings& s) { s.numberStyle.pnNumFormat = 1; }},
        {"HeaderWidth20", "15", [](Settings& s) { s.HeaderWidth[2][0] = 15; }},
        {"HeaderWidth12", "7", [](Settings& s) { s.HeaderWidth[1][2] = 7; }},
        {"SciDigits", "0", [](Settings& s) { s.numberStyle.pnSciDigits = 0; }},
        {"SelNodeIndex", "100", [](Settings& s) { s.pnSelNodeIndex = 100; }},
        {"FontName2", "Verdana", [](Settings& s) { s.FontName[2] = s.FontName[4] = "Verdana"; }},
        {"FontSize2", "12", [](Settings& s) { s.FontSize[2] = s.FontSize[4] = 12; }},
        {"FontStyle21", "1", [](Settings& s) { s.FontStyle[2][1] = s.FontStyle[4][1] = 1; }},
        {"SaveFilePath", "my.dat", [](Settings& s) { s.psRootNodeText = ""; }},
        {"ShowMessage", "1234567",
         [](Settings& s) { s.ShowMessageFlag = {1, 2, 3, 4, 5, 6}, s.ShowMessage = "1234567"; }},
        {"ShowMenuDelay", "20", [](Settings& s) { s.ShowMenuDelay = 100; }},
        {"ShowMenuDelay", "5000", [](Settings& s) { s.ShowMenuDelay = 2000; }},
        {"ScrollTimerInterval", "10", [](Settings& s) { s.ScrollTimerInterval = 50; }},
        {"ScrollTimerInterval", "3000", [](Settings& s) { s.ScrollTimerInterval = 1000; }},
        {"ScrollDownDelay", "99", [](Settings& s) { s.ScrollDownDelay = 100; }},
        {"ScrollDownDelay", "2001", [](Settings& s) { s.ScrollDownDelay = 2000; }},
        {"ShowHintDelay", "-7", [](Settings& s) { s.ShowHintDelay = 100; }},
        {"ShowHintDelay", "2001", [](Settings& s) { s.ShowHintDelay = 2000; }},
    };
    for (const auto& c : cases) {
        MemoryStore store = storeOf(with(settingsFile("settings_defaults.txt"), c.key, c.stored));
        Settings s, want = defaultsRead();
        if (c.expect) c.expect(want);
        ConversionTable t;
        RecordingPrompt prompt;
        EXPECT_TRUE(pReadCfg(s, t, store, prompt, kListWidth) && s == want) << c.key << c.stored;
    }
}

// The first bad value stops the reading: the keys read before it hold their
// stored values, the others keep what they held.
TEST(ReadCfg, FirstBadValueStopsTheReading) {
    const struct {
        const char* key;
        const char* stored;
        const char* label;
    } cases[] = {
        // clang-format off
        {"Left", "1e39", "PRCG01"}, {"TreeWidth", "-1e39", "PRCG01"}, {"Digits", "40000", "PRCG02"},
        {"ShowError", "maybe", "PRCG02"}, {"StayTop", "-40000", "PRCG02"},
        {"SelNodeIndex", "99999", "PRCG03"}, {"SortUnit", "yes", "PRCG03"},
        {"FontSize1", "32768", "PRCG05"}, {"FontSize5", "1e6", "PRCG05"},
        {"FontStyle00", "40000", "PRCG06"}, {"FontStyle11", "40000", "PRCG07"},
        {"FontStyle32", "40000", "PRCG08"}, {"TextColor4", "2147483648", "PRCG09"},
        {"BackColor0", "-2147483649", "PRCG10"}, {"ShowMessage", "11111", "PRCG14"},
        {"ShowMessage", "11a111", "PRCG14"}, {"ShowMessage", "11111 ", "PRCG14"},
        {"CustomizeToolbar", "x", "PRCG14"}
        // clang-format on
    };
    const std::vector<StoreEntry> defaults = settingsFile("settings_defaults.txt");
    const std::vector<StoreEntry> custom = settingsFile("settings_custom.txt");
    for (const auto& c : cases) {
        MemoryStore store = storeOf(with(custom, c.key, c.stored));
        Settings s;
        ConversionTable t = tableWithNodes();
        RecordingPrompt prompt;
        EXPECT_FALSE(pReadCfg(s, t, store, prompt, kListWidth)) << c.key;
        ASSERT_EQ(prompt.messages.size(), 1u) << c.key;
        EXPECT_EQ(prompt.messages[0].text, std::string("Error Code = ") + c.label) << c.key;
        // The tip flags are taken after the last key of their section.
        const std::string last = c.key == std::string("ShowMessage") ? "ShowCheckLocale" : c.key;
        MemoryStore out;
        pSaveCfg(s, t, kMinimised, out);
        bool read = true;
        for (std::size_t i = 0; i < defaults.size(); ++i) {
            const StoreEntry& e = defaults[i];
            if (e.key != c.key && e.key != "ShowMessage") {
                EXPECT_EQ(out.values.at({kSettingsApp, e.section, e.key}),
                          read ? custom[i].value : e.value)
                    << c.key << ": " << e.key;
            }
            read = read && e.key != last;
        }
    }
}

TEST(ReadCfg, BadShowMessageLeavesTimingValuesUnclamped) {
    MemoryStore store = storeOf({{kSettingsApp, "Extra", "ShowMessage", "10101"},
                                 {kSettingsApp, "Extra", "ShowMenuDelay", "20"}});
    Settings s;
    ConversionTable t;
    RecordingPrompt prompt;
    EXPECT_FALSE(pReadCfg(s, t, store, prompt, kListWidth));
    EXPECT_EQ(s.ShowMenuDelay, 20);
    // The flags before the missing sixth character were taken.
    EXPECT_EQ(s.ShowMessageFlag, (std::array<int16_t, 6>{1, 0, 1, 0, 1, 1}));
}

TEST(SaveCfg, WritesEveryKeyInOrderAndReadsItBack) {
    Settings s;
    ConversionTable t = tableWithNodes(), t2;
    ASSERT_TRUE(readCustom(s, t));
    const Settings held = s;
    MemoryStore store;
    EXPECT_TRUE(pSaveCfg(s, t, kMinimised, store));
    EXPECT_TRUE(s == held);
    // In the order of reading, but the status bar's background last of the
    // colours.
    std::vector<StoreEntry> want = settingsFile("settings_custom.txt");
    auto back3 = std::find_if(want.begin(), want.end(),
                              [](const StoreEntry& e) { return e.key == "BackColor3"; });
    std::rotate(back3, back3 + 1, back3 + 2);
    EXPECT_EQ(store.writes, want);
    Settings back;
    RecordingPrompt prompt;
    EXPECT_TRUE(pReadCfg(back, t2, store, prompt, kListWidth) && back == s);
    EXPECT_EQ(t2.psTableFile, t.psTableFile);
}

TEST(SaveCfg, CapturesTheWindowWhenAskedAndNotMinimised) {
    const struct {
        int16_t saveWindowSize;
        bool minimised;
        int16_t layout;
        bool captured;
    } cases[] = {{1, false, 0, true},  {1, false, 2, true},  {1, false, 3, true},
                 {1, false, 7, true},  {1, false, -1, true}, {1, true, 0, false},
                 {0, false, 0, false}, {2, false, 0, false}};
    for (const auto& c : cases) {
        const WindowCapture w{c.minimised,       105,     210, 8000, 6500, 2400, 2200, 2300,
                              {1800, 1500, 900}, c.layout};
        Settings s, want;
        s.SaveWindowSize = want.SaveWindowSize = c.saveWindowSize;
        s.pnSelNodeIndex = 4; // a group: the root is kept instead
        s.ShowMessageFlag = want.ShowMessageFlag = {1, 0, 1, 0, 0, 1};
        want.ShowMessage = "101001";
        want.pnSelNodeIndex = 1;
        if (c.captured) {
            std::tie(want.Left, want.Top, want.Width, want.Height) =
                std::tuple(105, 210, 8000, 6500);
            std::tie(want.TreeWidth, want.InputWidth, want.OutputWidth) =
                std::tuple(2400, 2200, 2300);
            if (c.layout >= 0 && c.layout < 4) want.HeaderWidth[c.layout] = {1800, 1500, 900};
        }
        struct RefusingStore : MemoryStore {
            bool flush() override { return false; }
        } store;
        EXPECT_FALSE(pSaveCfg(s, tableWithNodes(), w, store));
        EXPECT_TRUE(s == want) << c.saveWindowSize << c.minimised << c.layout;
    }
}

} // namespace
} // namespace qm
