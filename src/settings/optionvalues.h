// What the Options dialog shows and decides: the option values it edits, how
// they come from the settings and go back on OK, the preview of the number
// style, and the dialog's rules for its check boxes and letter keys.
#pragma once

#include "core/numtext.h"
#include "settings/settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The fonts and colours of the six areas: the working copies the Options
// dialog keeps while it is open and the font and colour dialog edits.
struct AreaStyles {
    std::array<std::string, kAreaCount> FontName;
    std::array<int16_t, kAreaCount> FontSize{};
    std::array<std::array<int16_t, kFontStyleCount>, kAreaCount> FontStyle{};
    std::array<int32_t, kAreaCount> TextColor{};
    std::array<int32_t, kAreaCount> BackColor{};

    bool operator==(const AreaStyles&) const = default;
};

AreaStyles areaStylesOf(const Settings& s);
void setAreaStyles(Settings& s, const AreaStyles& styles);

// The values of the dialog's controls.
struct OptionValues {
    // Number Style page.
    int16_t Digits = 6;      // the slider, 4 to 12
    int16_t NumFormat = 0;   // 0 normal, 1 scientific
    std::string power = "6"; // the threshold box: "NA" or N
    int16_t Integer = 0;
    bool ShowError = false;
    // General page.
    int16_t Modify = 1;
    int16_t SaveWindowSize = 1;
    int16_t ShowToolbar = 1;
    int16_t ShowMenubar = 1;
    int16_t ShowGridLines = 1;
    int16_t StayTop = 0;
    int16_t CalcType = 0; // 0 built-in, 1 system calculator, 2 custom
    std::string CalcPath;
    AreaStyles styles; // the working copies

    bool operator==(const OptionValues&) const = default;
};

// The slider's range.
inline constexpr int16_t kMinDigits = 4, kMaxDigits = 12;
// The threshold box's items.
inline constexpr std::array<const char*, 7> kPowerItems{"NA", " 9", " 8", " 7", " 6", " 5", " 4"};

// The values the dialog opens with. A threshold of 0 or less shows "NA"; a
// digit count the slider cannot show opens as the nearest it can.
OptionValues optionValuesOf(const Settings& s);

// The threshold box's text as SciDigits: nullopt for "NA", else the leading
// number rounded (0 when there is none).
std::optional<int16_t> powerDigits(std::string_view text);

// What OK changed that the main window must show anew.
struct OptionsApplied {
    bool barsChanged = false;     // menu bar or toolbar
    bool gridChanged = false;     // grid lines of the detailed list
    bool closeCalculator = false; // an external calculator replaces the open window
};

// OK: copies the values into the settings. With "NA" the threshold is off and
// the two bounds stay; otherwise they follow N (10^N and 1 / 10^N).
OptionsApplied applyOptionValues(const OptionValues& v, Settings& s, bool calculatorOpen);

// The preview of the number style: the sample 777.77777777777 as the options
// would show it, with the rounding error's sample when it is shown.
std::string optionsPreview(const OptionValues& v, const DecimalSettings& dec);

// Menu bar and toolbar are never both off: when one box is off the other is
// checked and cannot be changed.
struct BarBoxes {
    bool menubarChecked, menubarEnabled, toolbarChecked, toolbarEnabled;
};
BarBoxes barBoxes(bool menubarChecked, bool toolbarChecked);

// A letter key pressed outside the text and list boxes: which control it acts on.
struct AccessKey {
    enum class Act { Focus, Toggle, Select, SelectText } act = Act::Focus;
    const char* control = ""; // the control's name, with its index for arrays ("optFormat0")
};
std::optional<AccessKey> optionsAccessKey(char letter);

} // namespace qm
