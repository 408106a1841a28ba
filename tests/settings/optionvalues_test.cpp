// What the Options and the font and colour dialogs decide: the preview of each
// number style, option values through the settings and the store and back,
// and the font dialog's sizes, names and areas.
#include "core/recordingprompt.h"
#include "settings/config.h"
#include "settings/fontchoice.h"
#include "settings/optionvalues.h"

#include "settings/settingsfiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace qm {
namespace {

TEST(OptionsPreview, EachNumberStyleShowsTheSampleAsAConversionWould) {
    struct Row {
        int16_t digits, format, integer;
        bool error;
        int16_t decimalMode;
        const char* expected;
    } rows[] = {
        {6, 0, 0, false, 0, "777.778 "},
        {6, 0, 0, true, 0,
         "777.778 \xC2\xB1"
         "5.55E-03"},
        {6, 0, 0, true, 1,
         "777,778 \xC2\xB1"
         "5,55E-03"},
        {12, 0, 0, false, 0, "777.777777778 "},
        {4, 1, 0, false, 0, "7.778E+02 "},
        {9, 1, 0, false, 1, "7,77777778E+02 "},
        {4, 1, 1, false, 0, "778 "} // the integer style rules over digits and notation
    };
    for (const Row& r : rows) {
        OptionValues v;
        v.Digits = r.digits;
        v.NumFormat = r.format;
        v.Integer = r.integer;
        v.ShowError = r.error;
        DecimalSettings dec;
        dec.pnDecimalMode = r.decimalMode;
        EXPECT_EQ(optionsPreview(v, dec), r.expected) << r.digits << ' ' << r.format;
    }
}

TEST(OptionValues, GoIntoTheSettingsThroughTheStoreAndComeBack) {
    OptionValues v;
    v.Digits = 9;
    v.NumFormat = 1;
    v.power = "4";
    v.Integer = 1;
    v.ShowError = true;
    v.Modify = v.SaveWindowSize = v.ShowToolbar = v.ShowGridLines = 0;
    v.StayTop = 1;
    v.CalcType = 2;
    v.CalcPath = "/opt/calc";
    v.styles.FontName = {"Serif", "Mono", "Sans", "Bar", "Sans", "Courier"};
    v.styles.FontSize = {10, 12, 14, 9, 14, 11};
    v.styles.FontStyle = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}, {0, 0, 1}, {0, 0, 0}}};
    v.styles.TextColor = {255, 65280, 16711680, 0, 1, 0};
    v.styles.BackColor = {kWhite, 12345, 54321, kSystemMenuColor, 99, kWhite};

    Settings s;
    applyOptionValues(v, s, false);
    EXPECT_EQ(s.numberStyle.pdSciUpper, 1e4);
    EXPECT_EQ(s.numberStyle.pdSciLower, 1e-4);
    MemoryStore store;
    ASSERT_TRUE(pSaveCfg(s, test::tableWithNodes(), WindowCapture{true}, store));
    Settings read;
    ConversionTable t = test::tableWithNodes();
    RecordingPrompt prompt;
    ASSERT_TRUE(pReadCfg(read, t, store, prompt, 2345));
    EXPECT_EQ(optionValuesOf(read), v);
    EXPECT_EQ(read.numberStyle, s.numberStyle);
}

TEST(OptionValues, OkReportsWhatTheWindowMustShowAnew) {
    struct Row {
        const char* power;
        int16_t menubar, toolbar, grid, calcType;
        bool calcOpen;
        int16_t sciDigits;
        OptionsApplied expected;
    } rows[] = {{" 6", 1, 1, 1, 0, true, 6, {false, false, false}},
                {"NA", 0, 1, 1, 1, true, 0, {true, false, true}},
                {" 9", 1, 0, 0, 2, false, 9, {true, true, false}},
                {"x", 1, 1, 1, 2, true, 0, {false, false, true}}};
    for (const Row& r : rows) {
        Settings s;
        s.numberStyle.pdSciUpper = 5; // "NA" keeps the bounds
        OptionValues v = optionValuesOf(s);
        v.power = r.power;
        v.ShowMenubar = r.menubar;
        v.ShowToolbar = r.toolbar;
        v.ShowGridLines = r.grid;
        v.CalcType = r.calcType;
        const OptionsApplied a = applyOptionValues(v, s, r.calcOpen);
        EXPECT_EQ(s.numberStyle.pnSciDigits, r.sciDigits) << r.power;
        EXPECT_EQ(s.numberStyle.pdSciUpper,
                  r.power == std::string("NA") ? 5 : std::pow(10, r.sciDigits));
        EXPECT_EQ(
            std::tuple(a.barsChanged, a.gridChanged, a.closeCalculator),
            std::tuple(r.expected.barsChanged, r.expected.gridChanged, r.expected.closeCalculator))
            << r.power;
    }
}

TEST(OptionValues, MenuBarAndToolbarAreNeverBothOff) {
    for (const bool menubar : {false, true})
        for (const bool toolbar : {false, true}) {
            const BarBoxes b = barBoxes(menubar, toolbar);
            EXPECT_TRUE(b.menubarChecked || b.toolbarChecked);
            EXPECT_EQ(b.toolbarEnabled, menubar);
            EXPECT_EQ(b.menubarEnabled, toolbar);
            const BarBoxes settled = barBoxes(b.menubarChecked, b.toolbarChecked);
            EXPECT_EQ(settled.menubarChecked, b.menubarChecked);
            EXPECT_EQ(settled.toolbarChecked, b.toolbarChecked);
        }
}

TEST(FontChoice, OpensInRangeAndStoresOnlyASoundSize) {
    AreaStyles w = areaStylesOf(Settings{});
    w.FontName[1] = "";
    w.FontSize[1] = 20;
    w.FontSize[3] = 5;
    normaliseArea(w, 1);
    normaliseArea(w, 3);
    EXPECT_EQ(std::tuple(w.FontName[1], w.FontSize[1], w.FontSize[3]),
              std::tuple(std::string("Arial"), int16_t{16}, int16_t{8}));

    EXPECT_EQ(limitTypedSize("15"), "14");
    EXPECT_EQ(limitTypedSize("5"), std::nullopt);
    for (const char* bad : {"", " ", "0", "abc", "12pt", "17", "-3"}) {
        const AreaStyles before = w;
        EXPECT_TRUE(applyFontChoice(w, 1, {"Serif", bad, {1, 1, 1}})) << bad;
        EXPECT_EQ(w, before) << bad;
    }
    // The convert-from box's font is the convert-into box's too.
    EXPECT_EQ(applyFontChoice(w, 2, {" ", " 5", {0, 1, 0}}), std::nullopt);
    for (const int area : {2, 4})
        EXPECT_EQ(std::tuple(w.FontName[area], w.FontSize[area], w.FontStyle[area][1]),
                  std::tuple(std::string("Arial"), int16_t{5}, int16_t{1}));
    EXPECT_EQ(listedFonts({"@Mincho", "%x", "&y", "DejaVu Sans", "A@b"}),
              (std::vector<std::string>{"DejaVu Sans", "A@b"}));
}

} // namespace
} // namespace qm
