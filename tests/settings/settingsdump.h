// Test helpers: every settings variable as "name=value" text, tagged with the
// read group (progress label number) it belongs to, and two filled-in
// settings that differ from the defaults in every stored value.
#pragma once

#include "settings/settings.h"
#include "table/conversiontable.h"

#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace qm::test {

struct DumpEntry {
    int group; // 1..14 as the read groups; 0: never stored
    std::string text;
};

template <typename T> std::string show(const T& v) {
    std::ostringstream o;
    o.precision(9);
    if constexpr (std::is_same_v<T, bool>)
        o << (v ? "true" : "false");
    else
        o << +v;
    return o.str();
}
inline std::string show(const std::string& v) {
    return v;
}

inline std::vector<DumpEntry> dumpSettings(const Settings& s, const ConversionTable& t) {
    std::vector<DumpEntry> d;
    auto add = [&](int g, const std::string& name, const auto& v) {
        d.push_back({g, name + "=" + show(v)});
    };
    auto idx = [](const char* n, int i) { return std::string(n) + "(" + std::to_string(i) + ")"; };
    auto idx2 = [](const char* n, int i, int j) {
        return std::string(n) + "(" + std::to_string(i) + "," + std::to_string(j) + ")";
    };
    add(1, "Left", s.Left);
    add(1, "Top", s.Top);
    add(1, "Width", s.Width);
    add(1, "Height", s.Height);
    add(1, "CalcLeft", s.CalcLeft);
    add(1, "CalcTop", s.CalcTop);
    add(1, "MemoWidth", s.MemoWidth);
    add(1, "MemoHeight", s.MemoHeight);
    add(1, "FindLeft", s.FindLeft);
    add(1, "FindTop", s.FindTop);
    add(1, "InputWidth", s.InputWidth);
    add(1, "OutputWidth", s.OutputWidth);
    for (int l = 0; l < 4; ++l)
        for (int c = 0; c < 3; ++c)
            add(l < 3 ? 1 : 0, idx2("HeaderWidth", l, c), s.HeaderWidth[l][c]);
    add(1, "TreeWidth", s.TreeWidth);
    const NumberStyle& ns = s.numberStyle;
    add(2, "pnDigits", ns.pnDigits);
    add(2, "pnSciDigits", ns.pnSciDigits);
    add(2, "pnInteger", ns.pnInteger);
    add(2, "pnNumFormat", ns.pnNumFormat);
    add(2, "pbShowError", ns.pbShowError);
    add(2, "pdSciUpper", ns.pdSciUpper);
    add(2, "pdSciLower", ns.pdSciLower);
    add(2, "pnCalcType", s.pnCalcType);
    add(2, "psCalcPath", s.psCalcPath);
    add(2, "Modify", s.Modify);
    add(2, "SaveWindowSize", s.SaveWindowSize);
    add(2, "ShowMenubar", s.ShowMenubar);
    add(2, "ShowToolbar", s.ShowToolbar);
    add(2, "ShowGridLines", s.ShowGridLines);
    add(2, "StayTop", s.StayTop);
    add(3, "pnSelNodeIndex", s.pnSelNodeIndex);
    add(3, "View", s.View);
    add(3, "SortGroup", s.SortGroup);
    add(3, "SortUnit", s.SortUnit);
    for (int a = 0; a < 6; ++a)
        add(4, idx("FontName", a), s.FontName[a]);
    for (int a = 0; a < 6; ++a)
        add(5, idx("FontSize", a), s.FontSize[a]);
    for (int st = 0; st < 3; ++st)
        for (int a = 0; a < 6; ++a)
            add(6 + st, idx2("FontStyle", a, st), s.FontStyle[a][st]);
    for (int a = 0; a < 6; ++a)
        add(9, idx("TextColor", a), s.TextColor[a]);
    for (int a = 0; a < 6; ++a)
        add(10, idx("BackColor", a), s.BackColor[a]);
    for (int l = 0; l < 3; ++l)
        for (int c = 0; c < 3; ++c)
            add(l < 2 || c == 0 ? 11 : 0, idx2("HeaderText", l, c), s.HeaderText[l][c]);
    add(12, "psTableFile", t.psTableFile);
    add(12, "psRootNodeText", s.psRootNodeText);
    add(14, "ShowMessage", s.ShowMessage);
    for (int n = 0; n < 6; ++n)
        add(14, idx("ShowMessageFlag", n), s.ShowMessageFlag[n]);
    add(14, "CustomizeToolbar", s.CustomizeToolbar);
    add(14, "ShowMenuDelay", s.ShowMenuDelay);
    add(14, "ScrollTimerInterval", s.ScrollTimerInterval);
    add(14, "ScrollDownDelay", s.ScrollDownDelay);
    add(14, "ShowHintDelay", s.ShowHintDelay);
    add(14, "ShowCheckLocale", s.ShowCheckLocale);
    return d;
}

inline std::vector<std::string> dumpTexts(const Settings& s, const ConversionTable& t) {
    std::vector<std::string> out;
    for (const DumpEntry& e : dumpSettings(s, t))
        out.push_back(e.text);
    return out;
}

// Settings that differ from the defaults in every stored value and that keep
// the derived values consistent, so that a write and a read give them back.
inline Settings customSettings() {
    Settings s;
    s.Left = 1200.5f;
    s.Top = -30;
    s.Width = 9000;
    s.Height = 6000.25f;
    s.CalcLeft = 15;
    s.CalcTop = 30;
    s.MemoWidth = 4000;
    s.MemoHeight = 2500;
    s.FindLeft = 600;
    s.FindTop = 700;
    s.InputWidth = 2500;
    s.OutputWidth = 2600;
    s.HeaderWidth = {{{1000, 1100, 1200}, {1300, 1400, 1500}, {1600, 1700, 1800}, {0, 0, 0}}};
    s.TreeWidth = 3000;
    s.numberStyle.pnDigits = 9;
    s.numberStyle.pnSciDigits = 3;
    s.numberStyle.pdSciUpper = 1000;
    s.numberStyle.pdSciLower = 0.001;
    s.numberStyle.pnInteger = 1;
    s.numberStyle.pnNumFormat = 1;
    s.numberStyle.pbShowError = true;
    s.pnCalcType = 2;
    s.psCalcPath = "C:\\Tools\\calc, v2.exe";
    s.Modify = 0;
    s.SaveWindowSize = 0;
    s.ShowMenubar = 0;
    s.ShowToolbar = 0;
    s.ShowGridLines = 0;
    s.StayTop = 1;
    s.pnSelNodeIndex = 7;
    s.View = 2;
    s.SortGroup = true;
    s.SortUnit = true;
    s.FontName = {"Tahoma", "Verdana", "Consolas", "Georgia", "Consolas", "Lucida Console"};
    s.FontSize = {11, 12, 14, 7, 14, 12};
    s.FontStyle = {{{1, 1, 1}, {1, 0, 1}, {0, 1, 1}, {0, 1, 0}, {0, 1, 1}, {0, 0, 0}}};
    s.TextColor = {255, 65280, 16711680, 0, 128, 0};
    s.BackColor = {12632256, 8421504, 65535, -2147483643, 16776960, kWhite};
    s.HeaderText = {
        {{"Name", "Factor", "Shift"}, {"Constant", "Amount", "Dimension"}, {"Base", "", ""}}};
    s.psRootNodeText = "";
    s.ShowMessage = "010203";
    s.ShowMessageFlag = {0, 1, 0, 2, 0, 3};
    s.CustomizeToolbar = true;
    s.ShowMenuDelay = 250;
    s.ScrollTimerInterval = 75;
    s.ScrollDownDelay = 1500;
    s.ShowHintDelay = 900;
    s.ShowCheckLocale = 0;
    return s;
}

// A table whose category nodes are 5..9 (three groups, five categories).
inline ConversionTable tableWithNodes(int groups = 3, int categories = 5) {
    ConversionTable t;
    t.pnCatGroupCount = static_cast<int16_t>(groups);
    t.pnNodeCount = static_cast<int16_t>(categories);
    return t;
}

} // namespace qm::test
