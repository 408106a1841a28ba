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

using test::customSettings;
using test::Reading;
using test::settingsFile;
using test::tableWithNodes;

const WindowCapture kMinimised{true};

// The entries with the value of `key` replaced.
std::vector<StoreEntry> with(std::vector<StoreEntry> entries, const char* key, const char* v) {
    for (StoreEntry& e : entries)
        if (e.key == key) e.value = v;
    return entries;
}

// What an empty store gives, with the unit list 2345 twips wide.
Settings defaultsRead() {
    Settings s;
    s.HeaderWidth[2][0] = 2345;
    s.psRootNodeText = "default.dat";
    return s;
}

TEST(ReadCfg, EmptyStoreAsksEveryKeyInOrderAndGivesTheDefaults) {
    Settings start = customSettings();
    start.TextColor[3] = start.TextColor[5] = start.BackColor[5] = 1; // areas never stored
    start.FontStyle[5] = {1, 1, 1};
    Reading r({}, start);
    EXPECT_EQ(r.store.reads, settingsFile("settings_defaults.txt"));
    EXPECT_TRUE(r.ok && r.s == defaultsRead());
    EXPECT_TRUE(r.t.psTableFile.empty() && r.prompt.messages.empty() && r.store.writes.empty());
}

TEST(ReadCfg, StoredValuesAndTheValuesThatFollow) {
    // A key stored with a value, the others with their defaults; the changes
    // from the defaults that gives, if any.
    const std::tuple<const char*, const char*, void (*)(Settings&)> cases[] = {
        // clang-format off
        {"Digits", "0", nullptr}, {"Digits", "3", nullptr}, {"Digits", "13", nullptr},
        {"Digits", "abc", nullptr}, {"SciDigits", "3", nullptr}, {"SciDigits", "10", nullptr},
        {"SciDigits", "-1", nullptr}, {"Integer", "2", nullptr}, {"NumFormat", "2", nullptr},
        {"NumFormat", "-1", nullptr},
        // clang-format on
        {"Digits", "4", [](Settings& s) { s.numberStyle.pnDigits = 4; }},
        {"Digits", "12.4", [](Settings& s) { s.numberStyle.pnDigits = 12; }},
        {"SciDigits", "9", [](Settings& s) { s.numberStyle = {6, 9, 0, 0, false, 1e9, 1e-9}; }},
        {"SciDigits", "0", [](Settings& s) { s.numberStyle.pnSciDigits = 0; }},
        {"Integer", "1", [](Settings& s) { s.numberStyle.pnInteger = 1; }},
        {"NumFormat", "1", [](Settings& s) { s.numberStyle.pnNumFormat = 1; }},
        {"HeaderWidth20", "15", [](Settings& s) { s.HeaderWidth[2][0] = 15; }},
        {"SelNodeIndex", "100", [](Settings& s) { s.pnSelNodeIndex = 100; }},
        {"SortUnit", "True", [](Settings& s) { s.SortUnit = true; }},
        {"ShowMessage", "1234567",
         [](Settings& s) { s.ShowMessageFlag = {1, 2, 3, 4, 5, 6}, s.ShowMessage = "1234567"; }},
        {"ShowMenuDelay", "20", [](Settings& s) { s.ShowMenuDelay = 100; }},
        {"ShowMenuDelay", "5000", [](Settings& s) { s.ShowMenuDelay = 2000; }},
        {"ScrollTimerInterval", "10", [](Settings& s) { s.ScrollTimerInterval = 50; }},
        {"ScrollTimerInterval", "3000", [](Settings& s) { s.ScrollTimerInterval = 1000; }},
        {"ScrollDownDelay", "99", [](Settings& s) { s.ScrollDownDelay = 100; }},
        {"ScrollDownDelay", "2001", [](Settings& s) { s.ScrollDownDelay = 2000; }},
        {"ShowHintDelay", "-7", [](Settings& s) { s.ShowHintDelay = 100; }},
        {"ShowHintDelay", "2001", [](Settings& s) { s.ShowHintDelay = 2000; }}};
    for (auto [key, stored, expect] : cases) {
        Settings want = defaultsRead();
        if (expect) expect(want);
        Reading r(with(settingsFile("settings_defaults.txt"), key, stored));
        EXPECT_TRUE(r.ok && r.s == want) << key << "=" << stored;
    }
}

// The first bad value stops the reading: the keys read before it hold their
// stored values, the others keep what they held.
TEST(ReadCfg, FirstBadValueStopsTheReading) {
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        {"Left", "1e39"}, {"TreeWidth", "-1e39"}, {"Digits", "40000"}, {"ShowError", "maybe"},
        {"StayTop", "-40000"}, {"SelNodeIndex", "99999"}, {"SortUnit", "yes"},
        {"FontSize1", "32768"}, {"FontSize5", "1e6"}, {"FontStyle00", "40000"},
        {"FontStyle11", "40000"}, {"FontStyle32", "40000"}, {"TextColor4", "2147483648"},
        {"BackColor0", "-2147483649"}, {"ShowMessage", "11111"}, {"ShowMessage", "11a111"},
        {"ShowMessage", "11111 "}, {"CustomizeToolbar", "x"}
        // clang-format on
    };
    const std::vector<StoreEntry> defaults = settingsFile("settings_defaults.txt");
    const std::vector<StoreEntry> custom = settingsFile("settings_custom.txt");
    for (auto [key, stored] : cases) {
        Reading r(with(custom, key, stored));
        EXPECT_FALSE(r.ok) << key;
        EXPECT_EQ(r.prompt.messages.size(), 1u) << key;
        // The tip flags are taken after the last key of their section.
        const std::string last = key == std::string("ShowMessage") ? "ShowCheckLocale" : key;
        MemoryStore out;
        pSaveCfg(r.s, r.t, kMinimised, out);
        bool read = true;
        for (std::size_t i = 0; i < defaults.size(); ++i) {
            const StoreEntry& e = defaults[i];
            if (e.key != key && e.key != "ShowMessage") {
                EXPECT_EQ(out.values.at({kSettingsApp, e.section, e.key}),
                          read ? custom[i].value : e.value)
                    << key << ": " << e.key;
            }
            read = read && e.key != last;
        }
    }
}

TEST(ReadCfg, BadShowMessageLeavesTimingValuesUnclamped) {
    Reading r({{kSettingsApp, "Extra", "ShowMessage", "10101"},
               {kSettingsApp, "Extra", "ShowMenuDelay", "20"}});
    EXPECT_TRUE(!r.ok && r.s.ShowMenuDelay == 20);
    // The flags before the missing sixth character were taken.
    EXPECT_EQ(r.s.ShowMessageFlag, (std::array<int16_t, 6>{1, 0, 1, 0, 1, 1}));
}

TEST(SaveCfg, WritesEveryKeyInOrderAndReadsItBack) {
    Reading r(settingsFile("settings_custom.txt"));
    ASSERT_TRUE(r.ok && r.s == customSettings());
    MemoryStore store;
    EXPECT_TRUE(pSaveCfg(r.s, r.t, kMinimised, store));
    EXPECT_TRUE(r.s == customSettings());
    // In the order of reading, but the status bar's background last of the
    // colours.
    std::vector<StoreEntry> want = settingsFile("settings_custom.txt");
    auto back3 = std::find_if(want.begin(), want.end(),
                              [](const StoreEntry& e) { return e.key == "BackColor3"; });
    std::rotate(back3, back3 + 1, back3 + 2);
    EXPECT_EQ(store.writes, want);
}

TEST(SaveCfg, CapturesTheWindowWhenAskedAndNotMinimised) {
    // SaveWindowSize, minimised, the list layout on show, captured.
    const std::tuple<int16_t, bool, int16_t, bool> cases[] = {
        {1, false, 0, true}, {1, false, 2, true},  {1, false, 3, true},
        {1, false, 4, true}, {1, false, 7, true},  {1, false, -1, true},
        {1, true, 0, false}, {0, false, 0, false}, {2, false, 0, false}};
    for (auto [saveWindowSize, minimised, layout, captured] : cases) {
        const WindowCapture w{minimised,         105,   210, 8000, 6500, 2400, 2200, 2300,
                              {1800, 1500, 900}, layout};
        Settings s;
        s.SaveWindowSize = saveWindowSize;
        s.pnSelNodeIndex = 4; // a group: the root is kept instead
        s.ShowMessageFlag = {1, 0, 1, 0, 0, 1};
        Settings want = s;
        want.ShowMessage = "101001";
        want.pnSelNodeIndex = 1;
        if (captured) {
            std::tie(want.Left, want.Top, want.Width, want.Height, want.TreeWidth, want.InputWidth,
                     want.OutputWidth) = std::tuple(105, 210, 8000, 6500, 2400, 2200, 2300);
            if (layout >= 0 && layout < 4) want.HeaderWidth[layout] = {1800, 1500, 900};
        }
        struct RefusingStore : MemoryStore {
            bool flush() override { return false; }
        } store;
        EXPECT_FALSE(pSaveCfg(s, tableWithNodes(), w, store));
        EXPECT_TRUE(s == want) << saveWindowSize << minimised << layout;
    }
}

} // namespace
} // namespace qm
