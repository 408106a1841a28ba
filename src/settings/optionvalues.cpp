#include "settings/optionvalues.h"

#include "core/runerror.h"
#include "core/text.h"
#include "engine/conversion.h"
#include "engine/numberformat.h"

#include <algorithm>
#include <cmath>

namespace qm {

AreaStyles areaStylesOf(const Settings& s) {
    return {s.FontName, s.FontSize, s.FontStyle, s.TextColor, s.BackColor};
}

void setAreaStyles(Settings& s, const AreaStyles& styles) {
    s.FontName = styles.FontName;
    s.FontSize = styles.FontSize;
    s.FontStyle = styles.FontStyle;
    s.TextColor = styles.TextColor;
    s.BackColor = styles.BackColor;
}

OptionValues optionValuesOf(const Settings& s) {
    const NumberStyle& ns = s.numberStyle;
    OptionValues v;
    v.Digits = std::clamp(ns.pnDigits, kMinDigits, kMaxDigits);
    v.NumFormat = ns.pnNumFormat != 0 ? 1 : 0;
    v.power = ns.pnSciDigits <= 0 ? "NA" : std::to_string(ns.pnSciDigits);
    v.Integer = ns.pnInteger;
    v.ShowError = ns.pbShowError;
    v.Modify = s.Modify;
    v.SaveWindowSize = s.SaveWindowSize;
    v.ShowToolbar = s.ShowToolbar;
    v.ShowMenubar = s.ShowMenubar;
    v.ShowGridLines = s.ShowGridLines;
    v.StayTop = s.StayTop;
    v.CalcType = s.pnCalcType;
    v.CalcPath = s.psCalcPath;
    v.styles = areaStylesOf(s);
    return v;
}

std::optional<int16_t> powerDigits(std::string_view text) {
    if (trimSpaces(text) == "NA") return std::nullopt;
    try {
        return lenientInt16(text);
    } catch (const RunError&) {
        return int16_t{0}; // beyond any threshold: none
    }
}

OptionsApplied applyOptionValues(const OptionValues& v, Settings& s, bool calculatorOpen) {
    OptionsApplied r;
    r.barsChanged = v.ShowMenubar != s.ShowMenubar || v.ShowToolbar != s.ShowToolbar;
    r.gridChanged = v.ShowGridLines != s.ShowGridLines;
    NumberStyle& ns = s.numberStyle;
    ns.pnDigits = v.Digits;
    ns.pnInteger = v.Integer;
    ns.pnNumFormat = v.NumFormat;
    ns.pbShowError = v.ShowError;
    if (const std::optional<int16_t> n = powerDigits(v.power)) {
        ns.pnSciDigits = *n;
        ns.pdSciUpper = std::pow(10.0, *n);
        ns.pdSciLower = 1.0 / ns.pdSciUpper;
    } else {
        ns.pnSciDigits = 0;
    }
    r.closeCalculator = calculatorOpen && (v.CalcType == 1 || v.CalcType == 2);
    s.pnCalcType = v.CalcType;
    s.psCalcPath = v.CalcPath;
    s.Modify = v.Modify;
    s.SaveWindowSize = v.SaveWindowSize;
    s.ShowMenubar = v.ShowMenubar;
    s.ShowToolbar = v.ShowToolbar;
    s.ShowGridLines = v.ShowGridLines;
    s.StayTop = v.StayTop;
    setAreaStyles(s, v.styles);
    return r;
}

std::string optionsPreview(const OptionValues& v, const DecimalSettings& dec) {
    const double sample = pPrefixValue("777.77777777777");
    std::string number;
    if (v.Integer != 0)
        number = pFormatInteger(sample);
    else if (v.NumFormat == 0)
        number = pFormatSignificant(sample, v.Digits, dec);
    else
        number = pFormatScientific(sample, v.Digits, dec);
    std::string suffix;
    if (v.ShowError)
        suffix = kPlusMinus + pPeriodToComma(pFormatScientific(0.00555, 3, dec), dec.pnDecimalMode);
    return pPeriodToComma(number, dec.pnDecimalMode) + ' ' + suffix;
}

BarBoxes barBoxes(bool menubarChecked, bool toolbarChecked) {
    return {menubarChecked || !toolbarChecked, toolbarChecked, toolbarChecked || !menubarChecked,
            menubarChecked};
}

std::optional<AccessKey> optionsAccessKey(char letter) {
    using A = AccessKey::Act;
    switch (letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter) {
    case 'A':
        return AccessKey{A::Toggle, "chkEnableModify"};
    case 'B':
        return AccessKey{A::Toggle, "chkShowToolbar"};
    case 'C':
        return AccessKey{A::Focus, "optCalc0"};
    case 'D':
        return AccessKey{A::Focus, "sliDigits"};
    case 'E':
        return AccessKey{A::Focus, "cboPower"};
    case 'F':
        return AccessKey{A::Focus, "cboFonts"};
    case 'G':
        return AccessKey{A::Toggle, "chkShowGrid"};
    case 'I':
        return AccessKey{A::Toggle, "chkInteger"};
    case 'K':
        return AccessKey{A::Select, "optCalc0"};
    case 'M':
        return AccessKey{A::Toggle, "chkShowMenubar"};
    case 'N':
        return AccessKey{A::Select, "optFormat0"};
    case 'O':
        return AccessKey{A::Focus, "optFormat0"};
    case 'P':
        return AccessKey{A::Toggle, "chkSavePos"};
    case 'R':
        return AccessKey{A::Toggle, "chkShowError"};
    case 'S':
        return AccessKey{A::Select, "optFormat1"};
    case 'T':
        return AccessKey{A::Toggle, "chkStayTop"};
    case 'U':
        return AccessKey{A::Select, "optCalc2"};
    case 'W':
        return AccessKey{A::Select, "optCalc1"};
    case 'X':
        return AccessKey{A::SelectText, "txtCalcPath"};
    default:
        return std::nullopt;
    }
}

} // namespace qm
