// What the font and colour dialog decides: which area each item of the
// Options dialog's list edits, which controls an area allows, the values it
// opens with, the size box's rules, and how OK stores a choice.
#pragma once

#include "settings/optionvalues.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The Options dialog's list of areas, in its order, and the area of each item.
inline constexpr std::array<const char*, kAreaCount> kFontAreaLabels{
    "Unit Category Tree",    "Unit List",  "Convert-from Text Box",
    "Convert-into Text Box", "Status Bar", "Print"};
inline constexpr std::array<int, kAreaCount> kFontAreaOfItem{0, 1, 2, 4, 3, 5};

// The size box's list.
inline constexpr std::array<const char*, 6> kFontSizeItems{"8", "9", "10", "11", "12", "14"};
inline constexpr int kMaxTypedSize = 14;
inline constexpr int16_t kMinFontSize = 1, kMaxFontSize = 16;

// Which controls an area allows: the font (name, size), its styles, its colours.
struct AreaControls {
    bool font = true;
    bool style = true;
    bool colour = true;
};
AreaControls areaControls(int area);

// The screen fonts the font box offers: none whose name starts with '@'
// (vertical fonts), '%' or '&'.
std::vector<std::string> listedFonts(const std::vector<std::string>& screenFonts);

// The area's values as the dialog opens them: an empty name becomes "Arial",
// the size is brought into 8..16.
void normaliseArea(AreaStyles& styles, int area);

// The size as the size box shows it: one leading blank (" 9").
std::string sizeBoxText(int16_t size);

// Typing in the size box: a number above 14 becomes "14"; nullopt keeps the text.
std::optional<std::string> limitTypedSize(std::string_view text);

// What the dialog's controls hold when OK is pressed.
struct FontChoice {
    std::string name;
    std::string size;
    std::array<int16_t, kFontStyleCount> style{};
};

// OK: stores the choice into the area's working values (an empty name as
// "Arial", the size rounded; area 2's font also goes to area 4) and returns
// nullopt, or returns the message for a size that is not a number from 1 to 16
// and stores nothing.
std::optional<std::string> applyFontChoice(AreaStyles& styles, int area, const FontChoice& c);

// A colour value from its parts: red + 256 * green + 65536 * blue.
int32_t colorValue(int red, int green, int blue);

// Letter keys of the dialog.
std::optional<AccessKey> fontAccessKey(char letter);

} // namespace qm
