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
    const std::string pm = "\xC2\xB1";
    // Digits, notation, integer style, the error shown, the decimal mode; the preview.
    const std::tuple<int16_t, int16_t, int16_t, bool, int16_t, std::string> rows[] = {
        {6, 0, 0, false, 0, "777.778 "},
        {6, 0, 0, true, 0, "777.778 " + pm + "5.55E-03"},
        {6, 0, 0, true, 1, "777,778 " + pm + "5,55E-03"},
        {12, 0, 0, false, 0, "777.777777778 "},
        {4, 1, 0, false, 0, "7.778E+02 "},
        {9, 1, 0, false, 1, "7,77777778E+02 "},
        {4, 1, 1, false, 0, "778 "}}; // the integer style rules over digits and notation
    for (const auto& [digits, format, integer, error, decimalMode, expected] : rows) {
        OptionValues v;
        std::tie(v.Digits, v.NumFormat, v.Integer, v.ShowError) =
            std::tuple(digits, format, integer, error);
        DecimalSettings dec;
        dec.pnDecimalMode = decimalMode;
        EXPECT_EQ(optionsPreview(v, dec), expected) << digits << ' ' << format;
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
    // The power typed, menu bar, toolbar, grid lines, calculator type, calculator open; the
    // digits then; whether the bars, the grid lines and the calculator window change.
    const std::tuple<const char*, int16_t, int16_t, int16_t, int16_t, bool, int16_t, const char*>
        rows[] = {{" 6", 1, 1, 1, 0, true, 6, "000"},
                  {"NA", 0, 1, 1, 1, true, 0, "101"},
                  {" 9", 1, 0, 0, 2, false, 9, "110"},
                  {"x", 1, 1, 1, 2, true, 0, "001"}};
    for (const auto& [power, menubar, toolbar, grid, calcType, calcOpen, sciDigits, want] : rows) {
        Settings s;
        s.numberStyle.pdSciUpper = 5; // "NA" keeps the bounds
        OptionValues v = optionValuesOf(s);
        v.power = power;
        std::tie(v.ShowMenubar, v.ShowToolbar, v.ShowGridLines, v.CalcType) =
            std::tuple(menubar, toolbar, grid, calcType);
        const OptionsApplied a = applyOptionValues(v, s, calcOpen);
        EXPECT_EQ(s.numberStyle.pnSciDigits, sciDigits) << power;
        EXPECT_EQ(s.numberStyle.pdSciUpper,
                  power == std::string("NA") ? 5 : std::pow(10, sciDigits));
        const char got[] = {char('0' + a.barsChanged), char('0' + a.gridChanged),
                            char('0' + a.closeCalculator), 0};
        EXPECT_STREQ(got, want) << power;
    }
}

TEST(OptionValues, MenuBarAndToolbarAreNeverBothOff) {
    // Per pair of boxes checked: the menu bar checked and enabled, the toolbar
    // checked and enabled.
    std::string got;
    for (const bool menubar : {false, true})
        for (const bool toolbar : {false, true}) {
            const BarBoxes b = barBoxes(menubar, toolbar);
            for (bool f : {b.menubarChecked, b.menubarEnabled, b.toolbarChecked, b.toolbarEnabled})
                got += f ? '1' : '0';
            got += ' ';
        }
    EXPECT_EQ(got, "1010 0110 1001 1111 ");
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
