#include "settings/fontchoice.h"

#include "core/numtext.h"
#include "core/text.h"

#include <algorithm>
#include <cmath>

namespace qm {

AreaControls areaControls(int area) {
    switch (area) {
    case 3:
        return {true, true, false}; // the status bar takes no colours
    case 4:
        return {false, false, true}; // the convert-into box has area 2's font
    case 5:
        return {true, false, false}; // the printout: plain text in one font
    default:
        return {};
    }
}

std::vector<std::string> listedFonts(const std::vector<std::string>& screenFonts) {
    std::vector<std::string> out;
    for (const std::string& name : screenFonts)
        if (name.empty() || (name[0] != '@' && name[0] != '%' && name[0] != '&'))
            out.push_back(name);
    return out;
}

void normaliseArea(AreaStyles& styles, int area) {
    const auto a = static_cast<std::size_t>(area);
    if (styles.FontName[a].empty()) styles.FontName[a] = "Arial";
    styles.FontSize[a] = std::clamp<int16_t>(styles.FontSize[a], 8, 16);
}

std::string sizeBoxText(int16_t size) {
    return ' ' + std::to_string(size);
}

std::optional<std::string> limitTypedSize(std::string_view text) {
    if (pPrefixValue(text) > kMaxTypedSize) return std::to_string(kMaxTypedSize);
    return std::nullopt;
}

std::optional<std::string> applyFontChoice(AreaStyles& styles, int area, const FontChoice& c) {
    const std::optional<double> size = pStrictNumber(c.size, NumberLocale{U'.', 0});
    const double rounded = size ? std::nearbyint(*size) : 0;
    if (!size || rounded < kMinFontSize || rounded > kMaxFontSize)
        return "The font size must be a number from " + std::to_string(kMinFontSize) + " to " +
               std::to_string(kMaxFontSize) + ".";
    const auto a = static_cast<std::size_t>(area);
    const std::string name = trimSpaces(c.name);
    styles.FontName[a] = name.empty() ? "Arial" : name;
    styles.FontSize[a] = static_cast<int16_t>(rounded);
    styles.FontStyle[a] = c.style;
    if (area == 2) {
        styles.FontName[4] = styles.FontName[2];
        styles.FontSize[4] = styles.FontSize[2];
        styles.FontStyle[4] = styles.FontStyle[2];
    }
    return std::nullopt;
}

int32_t colorValue(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

std::optional<AccessKey> fontAccessKey(char letter) {
    using A = AccessKey::Act;
    switch (letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter) {
    case 'F':
        return AccessKey{A::Focus, "cboFonts"};
    case 'S':
        return AccessKey{A::Focus, "cboSize"};
    case 'Y':
        return AccessKey{A::Focus, "chkStyle0"};
    case 'C':
        return AccessKey{A::Focus, "cmdForeColor"};
    case 'B':
        return AccessKey{A::Toggle, "chkStyle0"};
    case 'I':
        return AccessKey{A::Toggle, "chkStyle1"};
    case 'U':
        return AccessKey{A::Toggle, "chkStyle2"};
    default:
        return std::nullopt;
    }
}

} // namespace qm
