// The program's settings: every preference kept between runs, each in a
// variable named after its key in the settings store. Owned by the program
// object and shared by reference with the windows.
#pragma once

#include "engine/numberstyle.h"

#include <array>
#include <cstdint>
#include <string>

namespace qm {

// Font-and-colour areas: 0 tree, 1 list, 2 convert-from box (its font also
// serves area 4), 3 status bar, 4 convert-into box, 5 printout.
inline constexpr int kAreaCount = 6;
// Font styles by index: 0 bold, 1 italic, 2 underline (1 on, 0 off).
inline constexpr int kFontStyleCount = 3;
// List layouts: 0 units, 1 constants, 2 number system; widths have room for 4.
inline constexpr int kHeaderLayoutCount = 3;
inline constexpr int kHeaderWidthLayouts = 4;
inline constexpr int kHeaderColumnCount = 3;
// Tips with an on/off flag.
inline constexpr int kShowMessageCount = 6;

// Colour value of a system colour: the sign bit set, the index in the low bits.
inline constexpr int32_t kSystemMenuColor = -2147483644; // system colour 4
inline constexpr int32_t kWhite = 16777215;

// Ranges the timing values are clamped into after reading.
inline constexpr int16_t kDelayMin = 100, kDelayMax = 2000;
inline constexpr int16_t kScrollIntervalMin = 50, kScrollIntervalMax = 1000;

// The settings as the program works with them. The initial values are the
// store's defaults (with the derived values that follow from them), so a
// failed read leaves sound values in the groups it never reached.
struct Settings {
    // Form: positions and sizes in twips.
    float Left = 450;
    float Top = 1020;
    float Width = 7095;
    float Height = 5520;
    float CalcLeft = 450;
    float CalcTop = 75;
    float MemoWidth = 3615;
    float MemoHeight = 1875;
    float FindLeft = 0;
    float FindTop = 0;
    float InputWidth = 2039;
    float OutputWidth = 2039;
    // HeaderWidth(layout, column); layouts 0..2 are stored. A stored 0 for
    // (2, 0) is replaced by the unit list's width when read.
    std::array<std::array<float, kHeaderColumnCount>, kHeaderWidthLayouts> HeaderWidth{
        {{1650, 1200, 900}, {1650, 1200, 900}, {0, 300, 300}, {0, 0, 0}}};
    float TreeWidth = 2760;

    // Option: the number style (pnDigits, pnSciDigits, pnInteger, pnNumFormat,
    // pbShowError and the derived pdSciUpper, pdSciLower) and the rest.
    NumberStyle numberStyle;
    int16_t pnCalcType = 0; // 0 built-in, 1 system calculator, 2 custom
    std::string psCalcPath; // the custom calculator program
    int16_t Modify = 1;
    int16_t SaveWindowSize = 1;
    int16_t ShowMenubar = 1;
    int16_t ShowToolbar = 1;
    int16_t ShowGridLines = 1;
    int16_t StayTop = 0;

    // View.
    int16_t pnSelNodeIndex = 9; // selected tree node
    int16_t View = 3;           // 2 list, 3 details
    bool SortGroup = false;
    bool SortUnit = false;

    // Font, by area; area 4 takes area 2's font, area 5's styles are off.
    std::array<std::string, kAreaCount> FontName{"Arial", "Arial", "Arial",
                                                 "Arial", "Arial", "Courier"};
    std::array<int16_t, kAreaCount> FontSize{8, 8, 9, 9, 9, 10};
    std::array<std::array<int16_t, kFontStyleCount>, kAreaCount> FontStyle{
        {{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 0, 0}}};

    // Color, by area: red + 256 * green + 65536 * blue, or a system colour.
    std::array<int32_t, kAreaCount> TextColor{0, 0, 0, 0, 0, 0};
    std::array<int32_t, kAreaCount> BackColor{kWhite,           kWhite, kWhite,
                                              kSystemMenuColor, kWhite, kWhite};

    // Header: HeaderText(layout, column); (2, 1) and (2, 2) stay blank.
    std::array<std::array<std::string, kHeaderColumnCount>, kHeaderLayoutCount> HeaderText{
        {{"Unit Name", "Ratio", "Offset"},
         {"Quantity", "Value", "Unit"},
         {"Numerical Notation", "", ""}}};

    // The tree's root node text: the data file's name ("default.dat" when the
    // stored path is empty). Not stored itself.
    std::string psRootNodeText;

    // Extra.
    std::string ShowMessage = "111111"; // one digit per tip: 1 still shown
    std::array<int16_t, kShowMessageCount> ShowMessageFlag{1, 1, 1, 1, 1, 1};
    bool CustomizeToolbar = false;
    int16_t ShowMenuDelay = 500;       // 100..2000 ms
    int16_t ScrollTimerInterval = 150; // 50..1000 ms
    int16_t ScrollDownDelay = 500;     // 100..2000 ms
    int16_t ShowHintDelay = 500;       // 100..2000 ms
    int16_t ShowCheckLocale = 1;

    bool operator==(const Settings&) const = default;
};

} // namespace qm
