// Reading all settings from the store and writing them back.
#include "settings/config.h"

#include "core/recordingprompt.h"
#include "settings/settingsdump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace qm {
namespace {

using test::customSettings;
using test::dumpSettings;
using test::dumpTexts;
using test::tableWithNodes;

constexpr float kListWidth = 2345;

// Compares two dumps entry by entry, so a failure names the variable.
void expectSameDump(const std::vector<std::string>& got, const std::vector<std::string>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "entry " << i;
}

// Every key in the order it is read, with its default.
const std::vector<StoreEntry>& readOrder() {
    static const std::vector<StoreEntry> keys = [] {
        // clang-format off
        const std::vector<std::vector<const char*>> rows = {
            {"Form", "Left", "450"}, {"Form", "Top", "1020"}, {"Form", "Width", "7095"},
            {"Form", "Height", "5520"}, {"Form", "CalcLeft", "450"}, {"Form", "CalcTop", "75"},
            {"Form", "MemoWidth", "3615"}, {"Form", "MemoHeight", "1875"},
            {"Form", "FindLeft", "0"}, {"Form", "FindTop", "0"}, {"Form", "InputWidth", "2039"},
            {"Form", "OutputWidth", "2039"}, {"Form", "HeaderWidth00", "1650"},
            {"Form", "HeaderWidth01", "1200"}, {"Form", "HeaderWidth02", "900"},
            {"Form", "HeaderWidth10", "1650"}, {"Form", "HeaderWidth11", "1200"},
            {"Form", "HeaderWidth12", "900"}, {"Form", "HeaderWidth20", "0"},
            {"Form", "HeaderWidth21", "300"}, {"Form", "HeaderWidth22", "300"},
            {"Form", "TreeWidth", "2760"}, {"Option", "Digits", "6"}, {"Option", "SciDigits", "6"},
            {"Option", "Integer", "0"}, {"Option", "NumFormat", "0"},
            {"Option", "ShowError", "False"}, {"Option", "CalcType", "0"},
            {"Option", "CalcPath", ""}, {"Option", "Modify", "1"},
            {"Option", "SaveWindowSize", "1"}, {"Option", "ShowMenubar", "1"},
            {"Option", "ShowToolbar", "1"}, {"Option", "ShowGridLines", "1"},
            {"Option", "StayTop", "0"}, {"View", "SelNodeIndex", "9"}, {"View", "View", "3"},
            {"View", "SortGroup", "False"}, {"View", "SortUnit", "False"},
            {"Font", "FontName0", "Arial"}, {"Font", "FontName1", "Arial"},
            {"Font", "FontName2", "Arial"}, {"Font", "FontName3", "Arial"},
            {"Font", "FontName5", "Courier"}, {"Font", "FontSize0", "8"},
            {"Font", "FontSize1", "8"}, {"Font", "FontSize2", "9"}, {"Font", "FontSize3", "9"},
            {"Font", "FontSize5", "10"}, {"Font", "FontStyle00", "0"}, {"Font", "FontStyle10", "0"},
            {"Font", "FontStyle20", "1"}, {"Font", "FontStyle30", "1"},
            {"Font", "FontStyle01", "0"}, {"Font", "FontStyle11", "0"},
            {"Font", "FontStyle21", "0"}, {"Font", "FontStyle31", "0"},
            {"Font", "FontStyle02", "0"}, {"Font", "FontStyle12", "0"},
            {"Font", "FontStyle22", "0"}, {"Font", "FontStyle32", "0"},
            {"Color", "TextColor0", "0"}, {"Color", "TextColor1", "0"},
            {"Color", "TextColor2", "0"}, {"Color", "TextColor4", "0"},
            {"Color", "BackColor0", "16777215"}, {"Color", "BackColor1", "16777215"},
            {"Color", "BackColor2", "16777215"}, {"Color", "BackColor3", "-2147483644"},
            {"Color", "BackColor4", "16777215"}, {"Header", "Text00", "Unit Name"},
            {"Header", "Text01", "Ratio"}, {"Header", "Text02", "Offset"},
            {"Header", "Text10", "Quantity"}, {"Header", "Text11", "Value"},
            {"Header", "Text12", "Unit"}, {"Header", "Text20", "Numerical Notation"},
            {"File", "SaveFilePath", ""}, {"Extra", "ShowMessage", "111111"},
            {"Extra", "CustomizeToolbar", "False"}, {"Extra", "ShowMenuDelay", "500"},
            {"Extra", "ScrollTimerInterval", "150"}, {"Extra", "ScrollDownDelay", "500"},
            {"Extra", "ShowHintDelay", "500"}, {"Extra", "ShowCheckLocale", "1"},
        };
        // clang-format on
        std::vector<StoreEntry> out;
        for (const auto& r : rows)
            out.push_back({"Quantimetrix", r[0], r[1], r[2]});
        return out;
    }();
    return keys;
}

// clang-format off
// The settings an empty store gives, with the unit list 2345 twips wide.
const std::vector<std::string> kDefaultDump = {
    "Left=450", "Top=1020", "Width=7095", "Height=5520", "CalcLeft=450", "CalcTop=75",
    "MemoWidth=3615", "MemoHeight=1875", "FindLeft=0", "FindTop=0", "InputWidth=2039",
    "OutputWidth=2039", "HeaderWidth(0,0)=1650", "HeaderWidth(0,1)=1200", "HeaderWidth(0,2)=900",
    "HeaderWidth(1,0)=1650", "HeaderWidth(1,1)=1200", "HeaderWidth(1,2)=900",
    "HeaderWidth(2,0)=2345", "HeaderWidth(2,1)=300", "HeaderWidth(2,2)=300", "HeaderWidth(3,0)=-1",
    "HeaderWidth(3,1)=-1", "HeaderWidth(3,2)=-1",  // layout 3: never read
    "TreeWidth=2760", "pnDigits=6", "pnSciDigits=6", "pnInteger=0", "pnNumFormat=0",
    "pbShowError=false", "pdSciUpper=1000000", "pdSciLower=1e-06", "pnCalcType=0", "psCalcPath=",
    "Modify=1", "SaveWindowSize=1", "ShowMenubar=1", "ShowToolbar=1", "ShowGridLines=1",
    "StayTop=0", "pnSelNodeIndex=9", "View=3", "SortGroup=false", "SortUnit=false",
    "FontName(0)=Arial", "FontName(1)=Arial", "FontName(2)=Arial", "FontName(3)=Arial",
    "FontName(4)=Arial", "FontName(5)=Courier", "FontSize(0)=8", "FontSize(1)=8", "FontSize(2)=9",
    "FontSize(3)=9", "FontSize(4)=9", "FontSize(5)=10", "FontStyle(0,0)=0", "FontStyle(1,0)=0",
    "FontStyle(2,0)=1", "FontStyle(3,0)=1", "FontStyle(4,0)=1", "FontStyle(5,0)=0",
    "FontStyle(0,1)=0", "FontStyle(1,1)=0", "FontStyle(2,1)=0", "FontStyle(3,1)=0",
    "FontStyle(4,1)=0", "FontStyle(5,1)=0", "FontStyle(0,2)=0", "FontStyle(1,2)=0",
    "FontStyle(2,2)=0", "FontStyle(3,2)=0", "FontStyle(4,2)=0", "FontStyle(5,2)=0",
    "TextColor(0)=0", "TextColor(1)=0", "TextColor(2)=0", "TextColor(3)=0", "TextColor(4)=0",
    "TextColor(5)=0", "BackColor(0)=16777215", "BackColor(1)=16777215", "BackColor(2)=16777215",
    "BackColor(3)=-2147483644", "BackColor(4)=16777215", "BackColor(5)=16777215",
    "HeaderText(0,0)=Unit Name", "HeaderText(0,1)=Ratio", "HeaderText(0,2)=Offset",
    "HeaderText(1,0)=Quantity", "HeaderText(1,1)=Value", "HeaderText(1,2)=Unit",
    "HeaderText(2,0)=Numerical Notation", "HeaderText(2,1)=", "HeaderText(2,2)=", "psTableFile=",
    "psRootNodeText=default.dat", "ShowMessage=111111", "ShowMessageFlag(0)=1",
    "ShowMessageFlag(1)=1", "ShowMessageFlag(2)=1", "ShowMessageFlag(3)=1", "ShowMessageFlag(4)=1",
    "ShowMessageFlag(5)=1", "CustomizeToolbar=false", "ShowMenuDelay=500",
    "ScrollTimerInterval=150", "ScrollDownDelay=500", "ShowHintDelay=500", "ShowCheckLocale=1",
};
// clang-format on

// Every value different from the defaults, and from the custom settings.
Settings scrambled() {
    Settings s;
    s.Left = s.Top = s.Width = s.Height = s.CalcLeft = s.CalcTop = -1;
    s.MemoWidth = s.MemoHeight = s.FindLeft = s.FindTop = s.InputWidth = s.OutputWidth =
        s.TreeWidth = -1;
    for (auto& row : s.HeaderWidth)
        row = {-1, -1, -1};
    s.numberStyle = NumberStyle{-1, -1, -1, -1, true, -1, -1};
    s.pnCalcType = s.Modify = s.SaveWindowSize = s.ShowMenubar = s.ShowToolbar = -1;
    s.ShowGridLines = s.StayTop = s.pnSelNodeIndex = s.View = -1;
    s.psCalcPath = "x";
    s.SortGroup = s.SortUnit = s.CustomizeToolbar = true;
    s.FontName.fill("x");
    s.FontSize.fill(-1);
    for (auto& row : s.FontStyle)
        row = {-1, -1, -1};
    s.TextColor.fill(-1);
    s.BackColor.fill(-1);
    s.HeaderText = {
        {{"x", "x", "x"}, {"x", "x", "x"}, {"x", "", ""}}}; // (2, 1..2) are never stored
    s.psRootNodeText = "x";
    s.ShowMessage = "x";
    s.ShowMessageFlag.fill(-1);
    s.ShowMenuDelay = s.ScrollTimerInterval = s.ScrollDownDelay = s.ShowHintDelay =
        s.ShowCheckLocale = -1;
    return s;
}

// A store holding the custom settings, written by pSaveCfg.
MemoryStore customStore() {
    Settings s = customSettings();
    ConversionTable t = tableWithNodes();
    t.psTableFile = "/home/u/units/mine.dat";
    MemoryStore store;
    WindowCapture minimised;
    minimised.minimised = true;
    pSaveCfg(s, t, minimised, store);
    store.writes.clear();
    return store;
}

TEST(ReadCfg, EmptyStoreGivesTheDefaults) {
    Settings s = scrambled();
    ConversionTable t;
    t.psTableFile = "old.dat";
    MemoryStore store;
    RecordingPrompt prompt;
    EXPECT_TRUE(pReadCfg(s, t, store, prompt, kListWidth));
    EXPECT_TRUE(prompt.messages.empty());
    expectSameDump(dumpTexts(s, t), kDefaultDump);
}

TEST(ReadCfg, ReadsEveryKeyInGroupOrderWithItsDefault) {
    Settings s;
    ConversionTable t;
    MemoryStore store;
    RecordingPrompt prompt;
    pReadCfg(s, t, store, prompt, kListWidth);
    EXPECT_EQ(store.reads, readOrder());
    EXPECT_TRUE(store.writes.empty());
}

TEST(ReadCfg, InitialSettingsAreTheDefaults) {
    // A fresh Settings equals what an empty store gives, except for the values
    // the read derives from its surroundings.
    Settings fresh;
    fresh.HeaderWidth[2][0] = kListWidth;
    fresh.psRootNodeText = "default.dat";
    fresh.HeaderWidth[3] = {-1, -1, -1};
    expectSameDump(dumpTexts(fresh, ConversionTable{}), kDefaultDump);
}

struct ValueCase {
    const char* section;
    const char* key;
    const char* stored;
    const char* expected; // dump entry after the read
};

TEST(ReadCfg, StoredValuesAndTheirDerivedValues) {
    const ValueCase cases[] = {
        {"Option", "Digits", "6.5", "pnDigits=6"},
        {"Option", "Digits", "7.5", "pnDigits=8"},
        {"Option", "Digits", "abc", "pnDigits=0"},
        {"Option", "Digits", "40", "pnDigits=40"}, // not validated
        {"Form", "Width", "7095.5", "Width=7095.5"},
        {"Form", "Width", "7,095", "Width=7"},
        {"Form", "HeaderWidth20", "0", "HeaderWidth(2,0)=2345"},
        {"Form", "HeaderWidth20", "0.0", "HeaderWidth(2,0)=2345"},
        {"Form", "HeaderWidth20", "15", "HeaderWidth(2,0)=15"},
        {"Form", "HeaderWidth20", "0.25", "HeaderWidth(2,0)=0.25"},
        {"Option", "SciDigits", "3", "pdSciUpper=1000"},
        {"Option", "SciDigits", "3", "pdSciLower=0.001"},
        {"Option", "SciDigits", "0", "pnSciDigits=0"},
        {"Option", "ShowError", "TRUE", "pbShowError=true"},
        {"Option", "ShowError", "-1", "pbShowError=true"},
        {"Option", "CalcPath", " C:\\a b\\c.exe ", "psCalcPath= C:\\a b\\c.exe "},
        {"View", "SortGroup", "true", "SortGroup=true"},
        {"View", "SortUnit", "0", "SortUnit=false"},
        {"View", "SelNodeIndex", "100", "pnSelNodeIndex=100"}, // checked later, against the table
        {"Font", "FontName2", "Verdana", "FontName(4)=Verdana"},
        {"Font", "FontSize2", "12", "FontSize(4)=12"},
        {"Font", "FontSize5", "7.5", "FontSize(5)=8"},
        {"Font", "FontStyle21", "1", "FontStyle(4,1)=1"},
        {"Font", "FontStyle20", "0", "FontStyle(4,0)=0"},
        {"Color", "BackColor3", "255", "BackColor(3)=255"},
        {"Color", "TextColor4", "-2147483640", "TextColor(4)=-2147483640"},
        {"Header", "Text20", "Base", "HeaderText(2,0)=Base"},
        {"File", "SaveFilePath", "C:\\Units\\my.dat", "psTableFile=C:\\Units\\my.dat"},
        {"File", "SaveFilePath", "C:\\Units\\my.dat", "psRootNodeText=x"}, // left to start-up
        {"File", "SaveFilePath", "", "psRootNodeText=default.dat"},
        {"Extra", "ShowMessage", "101001", "ShowMessageFlag(0)=1"},
        {"Extra", "ShowMessage", "101001", "ShowMessageFlag(1)=0"},
        {"Extra", "ShowMessage", "101001", "ShowMessageFlag(5)=1"},
        {"Extra", "ShowMessage", "0000009", "ShowMessageFlag(5)=0"},
        {"Extra", "ShowMessage", "1234567", "ShowMessageFlag(5)=6"},
        {"Extra", "ShowMenuDelay", "20", "ShowMenuDelay=100"},
        {"Extra", "ShowMenuDelay", "5000", "ShowMenuDelay=2000"},
        {"Extra", "ShowMenuDelay", "2000", "ShowMenuDelay=2000"},
        {"Extra", "ScrollTimerInterval", "10", "ScrollTimerInterval=50"},
        {"Extra", "ScrollTimerInterval", "3000", "ScrollTimerInterval=1000"},
        {"Extra", "ScrollTimerInterval", "50", "ScrollTimerInterval=50"},
        {"Extra", "ScrollDownDelay", "99", "ScrollDownDelay=100"},
        {"Extra", "ScrollDownDelay", "2001", "ScrollDownDelay=2000"},
        {"Extra", "ShowHintDelay", "-7", "ShowHintDelay=100"},
        {"Extra", "ShowHintDelay", "1999", "ShowHintDelay=1999"},
        {"Extra", "ShowCheckLocale", "0", "ShowCheckLocale=0"},
    };
    for (const ValueCase& c : cases) {
        Settings s;
        s.psRootNodeText = "x";
        ConversionTable t;
        MemoryStore store;
        store.put(c.section, c.key, c.stored);
        RecordingPrompt prompt;
        EXPECT_TRUE(pReadCfg(s, t, store, prompt, kListWidth)) << c.key << "=" << c.stored;
        const auto dump = dumpTexts(s, t);
        EXPECT_NE(std::find(dump.begin(), dump.end(), c.expected), dump.end())
            << c.key << "=" << c.stored << " should give " << c.expected;
        EXPECT_TRUE(prompt.messages.empty());
    }
}

struct FailCase {
    const char* section;
    const char* key;
    const char* stored;
    int group; // the read group that fails
};

// The first bad value stops the reading: groups before it hold the stored
// values, groups after it keep what they held.
TEST(ReadCfg, FirstBadValueStopsTheReading) {
    const FailCase cases[] = {
        {"Form", "Left", "1e39", 1},
        {"Form", "TreeWidth", "-1e39", 1},
        {"Option", "Digits", "40000", 2},
        {"Option", "ShowError", "maybe", 2},
        {"Option", "StayTop", "-40000", 2},
        {"View", "SelNodeIndex", "99999", 3},
        {"View", "SortUnit", "yes", 3},
        {"Font", "FontSize1", "32768", 5},
        {"Font", "FontSize5", "1e6", 5},
        {"Font", "FontStyle00", "40000", 6},
        {"Font", "FontStyle11", "40000", 7},
        {"Font", "FontStyle32", "40000", 8},
        {"Color", "TextColor4", "2147483648", 9},
        {"Color", "BackColor0", "-2147483649", 10},
        {"Extra", "ShowMessage", "11111", 14},
        {"Extra", "ShowMessage", "11a111", 14},
        {"Extra", "ShowMessage", "", 14},
        {"Extra", "ShowMessage", "11111 ", 14},
        {"Extra", "CustomizeToolbar", "x", 14},
        {"Extra", "ShowMenuDelay", "40000", 14},
    };
    const Settings custom = customSettings();
    ConversionTable customTable;
    customTable.psTableFile = "/home/u/units/mine.dat";
    const auto stored = dumpSettings(custom, customTable);
    for (const FailCase& c : cases) {
        const std::string what = std::string(c.key) + "=" + c.stored;
        MemoryStore store = customStore();
        store.put(c.section, c.key, c.stored);
        Settings s; // the defaults
        ConversionTable t;
        t.psTableFile = "before.dat";
        const auto before = dumpSettings(s, t);
        RecordingPrompt prompt;
        EXPECT_FALSE(pReadCfg(s, t, store, prompt, kListWidth)) << what;
        ASSERT_EQ(prompt.messages.size(), 1u) << what;
        char label[16];
        std::snprintf(label, sizeof label, "PRCG%02d", c.group);
        EXPECT_EQ(prompt.messages[0].text, std::string("Error Code = ") + label) << what;
        EXPECT_EQ(prompt.messages[0].title, "Quantimetrix");
        EXPECT_EQ(prompt.messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(prompt.messages[0].buttons, MsgButtons::OK);
        const auto after = dumpSettings(s, t);
        ASSERT_EQ(after.size(), stored.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i].group == 0 || after[i].group == c.group) continue;
            const auto& want = after[i].group < c.group ? stored[i] : before[i];
            EXPECT_EQ(after[i].text, want.text) << what;
        }
    }
}

TEST(ReadCfg, BadShowMessageLeavesTimingValuesUnclamped) {
    MemoryStore store;
    store.put("Extra", "ShowMessage", "10101");
    store.put("Extra", "ShowMenuDelay", "20");
    store.put("Extra", "ScrollTimerInterval", "3000");
    store.put("Extra", "ScrollDownDelay", "5");
    store.put("Extra", "ShowHintDelay", "9999");
    Settings s;
    ConversionTable t;
    RecordingPrompt prompt;
    EXPECT_FALSE(pReadCfg(s, t, store, prompt, kListWidth));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Error Code = PRCG14");
    EXPECT_EQ(s.ShowMenuDelay, 20);
    EXPECT_EQ(s.ScrollTimerInterval, 3000);
    EXPECT_EQ(s.ScrollDownDelay, 5);
    EXPECT_EQ(s.ShowHintDelay, 9999);
    // The flags before the missing sixth character were taken.
    EXPECT_EQ(s.ShowMessage, "10101");
    EXPECT_EQ(s.ShowMessageFlag, (std::array<int16_t, 6>{1, 0, 1, 0, 1, 1}));
}

TEST(ReadCfg, WithinTheFailingGroupEarlierKeysAreTaken) {
    MemoryStore store;
    store.put("Option", "Digits", "9");
    store.put("Option", "NumFormat", "1");
    store.put("Option", "ShowError", "maybe");
    store.put("Option", "StayTop", "1");
    Settings s;
    ConversionTable t;
    RecordingPrompt prompt;
    EXPECT_FALSE(pReadCfg(s, t, store, prompt, kListWidth));
    EXPECT_EQ(s.numberStyle.pnDigits, 9);
    EXPECT_EQ(s.numberStyle.pnNumFormat, 1);
    EXPECT_EQ(s.StayTop, 0);
}

TEST(SaveCfg, DefaultsAreWrittenInOrder) {
    // The write order is the read order, except that the status bar's
    // background colour comes last among the colours.
    std::vector<StoreEntry> expected = readOrder();
    for (StoreEntry& e : expected)
        if (e.key == "HeaderWidth20") e.value = "2345";
    auto back3 = std::find_if(expected.begin(), expected.end(),
                              [](const StoreEntry& e) { return e.key == "BackColor3"; });
    std::rotate(back3, back3 + 1, back3 + 2);

    Settings s = scrambled();
    ConversionTable t = tableWithNodes(5, 10); // node 9 is a category
    MemoryStore readStore;
    RecordingPrompt prompt;
    ASSERT_TRUE(pReadCfg(s, t, readStore, prompt, kListWidth));
    MemoryStore store;
    WindowCapture minimised;
    minimised.minimised = true;
    EXPECT_TRUE(pSaveCfg(s, t, minimised, store));
    ASSERT_EQ(store.writes.size(), 85u);
    EXPECT_EQ(store.writes, expected);
    EXPECT_TRUE(store.reads.empty());
}

TEST(SaveCfg, RoundTripKeepsEveryValue) {
    Settings s = customSettings();
    ConversionTable t = tableWithNodes();
    t.psTableFile = "C:\\Data\\my units;1.dat";
    MemoryStore store;
    WindowCapture minimised;
    minimised.minimised = true;
    ASSERT_TRUE(pSaveCfg(s, t, minimised, store));
    expectSameDump(dumpTexts(s, t), dumpTexts(customSettings(), t)); // nothing changed by the write

    Settings back = scrambled();
    back.HeaderWidth[3] = {0, 0, 0};
    back.psRootNodeText = "";
    ConversionTable t2;
    RecordingPrompt prompt;
    ASSERT_TRUE(pReadCfg(back, t2, store, prompt, kListWidth));
    expectSameDump(dumpTexts(back, t2), dumpTexts(s, t));
}

TEST(SaveCfg, SingleWrittenAsShortText) {
    Settings s;
    s.Width = 7095.5f;
    s.Left = 0.1f;
    ConversionTable t = tableWithNodes();
    MemoryStore store;
    WindowCapture minimised;
    minimised.minimised = true;
    pSaveCfg(s, t, minimised, store);
    EXPECT_EQ(store.values.at({"Quantimetrix", "Form", "Width"}), "7095.5");
    EXPECT_EQ(store.values.at({"Quantimetrix", "Form", "Left"}), "0.1");
}

WindowCapture measured(int16_t headerIndex, bool minimised = false) {
    WindowCapture w;
    w.minimised = minimised;
    w.Left = 105;
    w.Top = 210;
    w.Width = 8000;
    w.Height = 6500;
    w.TreeWidth = 2400;
    w.InputWidth = 2200;
    w.OutputWidth = 2300;
    w.columnWidth = {1800, 1500, 1000};
    w.pnHeaderIndex = headerIndex;
    return w;
}

struct CaptureCase {
    const char* name;
    int16_t saveWindowSize;
    bool minimised;
    int16_t headerIndex;
    std::vector<std::pair<std::string, std::string>>
        changed; // Form values that differ from the held ones
};

TEST(SaveCfg, CapturesTheWindowWhenAskedAndNotMinimised) {
    const std::vector<std::pair<std::string, std::string>> window = {
        {"Left", "105"},        {"Top", "210"},          {"Width", "8000"},    {"Height", "6500"},
        {"InputWidth", "2200"}, {"OutputWidth", "2300"}, {"TreeWidth", "2400"}};
    auto with = [&](std::vector<std::pair<std::string, std::string>> columns) {
        columns.insert(columns.end(), window.begin(), window.end());
        return columns;
    };
    const CaptureCase cases[] = {
        {"layout 0", 1, false, 0,
         with({{"HeaderWidth00", "1800"}, {"HeaderWidth01", "1500"}, {"HeaderWidth02", "1000"}})},
        {"layout 1", 1, false, 1,
         with({{"HeaderWidth10", "1800"}, {"HeaderWidth11", "1500"}, {"HeaderWidth12", "1000"}})},
        {"layout 2", 1, false, 2,
         with({{"HeaderWidth20", "1800"}, {"HeaderWidth21", "1500"}, {"HeaderWidth22", "1000"}})},
        {"layout 3 is not stored", 1, false, 3, with({})},
        {"layout out of range", 1, false, 7, with({})},
        {"minimised", 1, true, 0, {}},
        {"option off", 0, false, 0, {}},
        {"option 2 is not 1", 2, false, 0, {}},
    };
    const Settings held;
    for (const CaptureCase& c : cases) {
        Settings s;
        s.SaveWindowSize = c.saveWindowSize;
        ConversionTable t = tableWithNodes();
        MemoryStore store;
        pSaveCfg(s, t, measured(c.headerIndex, c.minimised), store);
        MemoryStore heldStore;
        Settings heldCopy = held;
        heldCopy.SaveWindowSize = c.saveWindowSize;
        pSaveCfg(heldCopy, t, measured(0, true), heldStore);
        for (std::size_t i = 0; i < store.writes.size(); ++i) {
            const StoreEntry& e = store.writes[i];
            std::string want = heldStore.writes[i].value;
            for (const auto& [key, value] : c.changed)
                if (e.section == "Form" && e.key == key) want = value;
            EXPECT_EQ(e.value, want) << c.name << ": " << e.key;
        }
        if (c.headerIndex == 3 && !c.minimised) {
            EXPECT_EQ(s.HeaderWidth[3], (std::array<float, 3>{1800, 1500, 1000}));
        }
    }
}

TEST(SaveCfg, SelectedNodeMustBeACategory) {
    // Three groups and five categories: nodes 2..4 are groups, 5..9 categories.
    const struct {
        int16_t stored;
        const char* written;
    } cases[] = {{1, "1"}, {2, "1"},  {4, "1"}, {5, "5"}, {7, "7"},
                 {9, "9"}, {10, "1"}, {0, "1"}, {-3, "1"}};
    for (const auto& c : cases) {
        Settings s;
        s.pnSelNodeIndex = c.stored;
        ConversionTable t = tableWithNodes(3, 5);
        MemoryStore store;
        pSaveCfg(s, t, measured(0, true), store);
        EXPECT_EQ(store.values.at({"Quantimetrix", "View", "SelNodeIndex"}), c.written) << c.stored;
        EXPECT_EQ(std::to_string(s.pnSelNodeIndex), c.written);
    }
}

TEST(SaveCfg, ShowMessageRebuiltFromTheTipFlags) {
    const struct {
        std::array<int16_t, 6> flags;
        const char* text;
    } cases[] = {
        {{1, 0, 1, 0, 0, 1}, "101001"},
        {{0, 0, 0, 0, 0, 0}, "000000"},
        {{1, 1, 1, 1, 1, 1}, "111111"},
    };
    for (const auto& c : cases) {
        Settings s;
        s.ShowMessage = "stale";
        s.ShowMessageFlag = c.flags;
        ConversionTable t = tableWithNodes();
        MemoryStore store;
        pSaveCfg(s, t, measured(0, true), store);
        EXPECT_EQ(store.values.at({"Quantimetrix", "Extra", "ShowMessage"}), c.text);
        EXPECT_EQ(s.ShowMessage, c.text);
    }
}

TEST(SaveCfg, ReportsAStoreThatRefusesTheValues) {
    struct RefusingStore : MemoryStore {
        bool flush() override { return false; }
    } store;
    Settings s;
    ConversionTable t = tableWithNodes();
    EXPECT_FALSE(pSaveCfg(s, t, measured(0, true), store));
    EXPECT_EQ(store.writes.size(), 85u);
}

} // namespace
} // namespace qm
