#include "settings/config.h"

#include "core/runerror.h"
#include "settings/settingsvalue.h"

#include <exception>
#include <string>

namespace qm {

namespace {

std::string indexedKey(const char* name, int i) {
    return name + std::to_string(i);
}
std::string indexedKey(const char* name, int i, int j) {
    return name + std::to_string(i) + std::to_string(j);
}

// Reads the values of one section after another.
class CfgIn {
  public:
    explicit CfgIn(SettingsStore& store) : store_(store) {}
    void section(const char* name) { section_ = name; }

    // Each reading takes the value's default as the program holds it and
    // hands the store its stored form.
    std::string text(const std::string& key, const std::string& def) {
        return store_.get(kSettingsApp, section_, key, def);
    }
    float single(const std::string& key, float def) {
        return readSingle(text(key, writeSingle(def)));
    }
    int16_t integer(const std::string& key, int16_t def) {
        return readInteger(text(key, writeInteger(def)));
    }
    int32_t longValue(const std::string& key, int32_t def) {
        return readLong(text(key, writeInteger(def)));
    }
    bool boolean(const std::string& key, bool def) {
        return readBoolean(text(key, writeBoolean(def)));
    }

  private:
    SettingsStore& store_;
    std::string section_;
};

// Writes the values of one section after another.
class CfgOut {
  public:
    explicit CfgOut(SettingsStore& store) : store_(store) {}
    void section(const char* name) { section_ = name; }

    void text(const std::string& key, const std::string& value) {
        store_.save(kSettingsApp, section_, key, value);
    }
    void single(const std::string& key, float value) { text(key, writeSingle(value)); }
    void integer(const std::string& key, int32_t value) { text(key, writeInteger(value)); }
    void boolean(const std::string& key, bool value) { text(key, writeBoolean(value)); }

  private:
    SettingsStore& store_;
    std::string section_;
};

// The defaults of every setting: the values a fresh Settings holds.
const Settings kDefaults{};

const char* const kStyleLabels[kFontStyleCount] = {"PRCG06", "PRCG07", "PRCG08"};

void readForm(CfgIn& in, Settings& s, float listWidth) {
    in.section("Form");
    s.Left = in.single("Left", kDefaults.Left);
    s.Top = in.single("Top", kDefaults.Top);
    s.Width = in.single("Width", kDefaults.Width);
    s.Height = in.single("Height", kDefaults.Height);
    s.CalcLeft = in.single("CalcLeft", kDefaults.CalcLeft);
    s.CalcTop = in.single("CalcTop", kDefaults.CalcTop);
    s.MemoWidth = in.single("MemoWidth", kDefaults.MemoWidth);
    s.MemoHeight = in.single("MemoHeight", kDefaults.MemoHeight);
    s.FindLeft = in.single("FindLeft", kDefaults.FindLeft);
    s.FindTop = in.single("FindTop", kDefaults.FindTop);
    s.InputWidth = in.single("InputWidth", kDefaults.InputWidth);
    s.OutputWidth = in.single("OutputWidth", kDefaults.OutputWidth);
    for (int layout = 0; layout < kHeaderLayoutCount; ++layout) {
        for (int col = 0; col < kHeaderColumnCount; ++col) {
            s.HeaderWidth[layout][col] = in.single(indexedKey("HeaderWidth", layout, col),
                                                   kDefaults.HeaderWidth[layout][col]);
            // The number-system layout's first column fills the list.
            if (layout == 2 && col == 0 && s.HeaderWidth[2][0] == 0)
                s.HeaderWidth[2][0] = listWidth;
        }
    }
    s.TreeWidth = in.single("TreeWidth", kDefaults.TreeWidth);
}

void readOption(CfgIn& in, Settings& s) {
    in.section("Option");
    NumberStyle& ns = s.numberStyle;
    ns.pnDigits = in.integer("Digits", kDefaults.numberStyle.pnDigits);
    ns.pnSciDigits = in.integer("SciDigits", kDefaults.numberStyle.pnSciDigits);
    ns.deriveSciBounds();
    ns.pnInteger = in.integer("Integer", kDefaults.numberStyle.pnInteger);
    ns.pnNumFormat = in.integer("NumFormat", kDefaults.numberStyle.pnNumFormat);
    ns.pbShowError = in.boolean("ShowError", kDefaults.numberStyle.pbShowError);
    s.pnCalcType = in.integer("CalcType", kDefaults.pnCalcType);
    s.psCalcPath = in.text("CalcPath", kDefaults.psCalcPath);
    s.Modify = in.integer("Modify", kDefaults.Modify);
    s.SaveWindowSize = in.integer("SaveWindowSize", kDefaults.SaveWindowSize);
    s.ShowMenubar = in.integer("ShowMenubar", kDefaults.ShowMenubar);
    s.ShowToolbar = in.integer("ShowToolbar", kDefaults.ShowToolbar);
    s.ShowGridLines = in.integer("ShowGridLines", kDefaults.ShowGridLines);
    s.StayTop = in.integer("StayTop", kDefaults.StayTop);
}

void readView(CfgIn& in, Settings& s) {
    in.section("View");
    s.pnSelNodeIndex = in.integer("SelNodeIndex", kDefaults.pnSelNodeIndex);
    s.View = in.integer("View", kDefaults.View);
    s.SortGroup = in.boolean("SortGroup", kDefaults.SortGroup);
    s.SortUnit = in.boolean("SortUnit", kDefaults.SortUnit);
}

// The Extra section; the tip flags last, from ShowMessage.
void readExtra(CfgIn& in, Settings& s) {
    in.section("Extra");
    s.ShowMessage = in.text("ShowMessage", kDefaults.ShowMessage);
    s.CustomizeToolbar = in.boolean("CustomizeToolbar", kDefaults.CustomizeToolbar);
    s.ShowMenuDelay = in.integer("ShowMenuDelay", kDefaults.ShowMenuDelay);
    s.ScrollTimerInterval = in.integer("ScrollTimerInterval", kDefaults.ScrollTimerInterval);
    s.ScrollDownDelay = in.integer("ScrollDownDelay", kDefaults.ScrollDownDelay);
    s.ShowHintDelay = in.integer("ShowHintDelay", kDefaults.ShowHintDelay);
    s.ShowCheckLocale = in.integer("ShowCheckLocale", kDefaults.ShowCheckLocale);
    for (int n = 0; n < kShowMessageCount; ++n) {
        // Character n + 1 must be a digit; a shorter text is an error too.
        if (static_cast<std::size_t>(n) >= s.ShowMessage.size() || s.ShowMessage[n] < '0' ||
            s.ShowMessage[n] > '9')
            throw RunError(RunErrorKind::TypeMismatch, "Type mismatch");
        s.ShowMessageFlag[n] = static_cast<int16_t>(s.ShowMessage[n] - '0');
    }
}

int16_t clampInt(int16_t v, int16_t lo, int16_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

} // namespace

void clampTimings(Settings& s) {
    s.ShowMenuDelay = clampInt(s.ShowMenuDelay, kDelayMin, kDelayMax);
    s.ScrollTimerInterval = clampInt(s.ScrollTimerInterval, kScrollIntervalMin, kScrollIntervalMax);
    s.ScrollDownDelay = clampInt(s.ScrollDownDelay, kDelayMin, kDelayMax);
    s.ShowHintDelay = clampInt(s.ShowHintDelay, kDelayMin, kDelayMax);
}

std::string showMessageText(const Settings& s) {
    std::string text;
    for (int16_t flag : s.ShowMessageFlag)
        text += writeInteger(flag);
    return text;
}

bool pReadCfg(Settings& s, ConversionTable& table, SettingsStore& store, UserPrompt& prompt,
              float listWidth) {
    Progress progress;
    CfgIn in(store);
    try {
        progress.set("PRCG01");
        readForm(in, s, listWidth);
        progress.set("PRCG02");
        readOption(in, s);
        progress.set("PRCG03");
        readView(in, s);

        progress.set("PRCG04");
        in.section("Font");
        for (int a = 0; a < 4; ++a)
            s.FontName[a] = in.text(indexedKey("FontName", a), kDefaults.FontName[a]);
        s.FontName[4] = s.FontName[2];
        s.FontName[5] = in.text("FontName5", kDefaults.FontName[5]);
        progress.set("PRCG05");
        for (int a = 0; a < 4; ++a)
            s.FontSize[a] = in.integer(indexedKey("FontSize", a), kDefaults.FontSize[a]);
        s.FontSize[4] = s.FontSize[2];
        s.FontSize[5] = in.integer("FontSize5", kDefaults.FontSize[5]);
        for (int style = 0; style < kFontStyleCount; ++style) {
            progress.set(kStyleLabels[style]);
            for (int a = 0; a < 4; ++a)
                s.FontStyle[a][style] =
                    in.integer(indexedKey("FontStyle", a, style), kDefaults.FontStyle[a][style]);
            s.FontStyle[4][style] = s.FontStyle[2][style];
            s.FontStyle[5][style] = 0;
        }

        progress.set("PRCG09");
        in.section("Color");
        for (int a = 0; a < 3; ++a)
            s.TextColor[a] = in.longValue(indexedKey("TextColor", a), kDefaults.TextColor[a]);
        s.TextColor[3] = 0;
        s.TextColor[4] = in.longValue("TextColor4", kDefaults.TextColor[4]);
        s.TextColor[5] = 0;
        progress.set("PRCG10");
        for (int a = 0; a < 5; ++a)
            s.BackColor[a] = in.longValue(indexedKey("BackColor", a), kDefaults.BackColor[a]);
        s.BackColor[5] = kWhite;

        progress.set("PRCG11");
        in.section("Header");
        for (int layout = 0; layout < kHeaderLayoutCount; ++layout)
            for (int col = 0; col < (layout == 2 ? 1 : kHeaderColumnCount); ++col)
                s.HeaderText[layout][col] =
                    in.text(indexedKey("Text", layout, col), kDefaults.HeaderText[layout][col]);

        progress.set("PRCG12");
        in.section("File");
        table.psTableFile = in.text("SaveFilePath", std::string());
        if (table.psTableFile.empty()) s.psRootNodeText = "default.dat";

        progress.set("PRCG14");
        readExtra(in, s);
        clampTimings(s);
        progress.set("PRCG15");
    } catch (const std::exception&) {
        prompt.reportError(progress.label());
        return false;
    }
    return true;
}

bool pSaveCfg(Settings& s, const ConversionTable& table, const WindowCapture& window,
              SettingsStore& store) {
    pCheckSelNodeIndex(table, s.pnSelNodeIndex);
    if (!window.minimised && s.SaveWindowSize == 1) {
        s.Left = window.Left;
        s.Top = window.Top;
        s.Width = window.Width;
        s.Height = window.Height;
        s.TreeWidth = window.TreeWidth;
        s.InputWidth = window.InputWidth;
        s.OutputWidth = window.OutputWidth;
        // The columns belong to the layout on show; a layout out of range has
        // no widths to keep.
        if (window.pnHeaderIndex >= 0 && window.pnHeaderIndex < kHeaderWidthLayouts)
            for (int col = 0; col < kHeaderColumnCount; ++col)
                s.HeaderWidth[window.pnHeaderIndex][col] = window.columnWidth[col];
    }

    CfgOut out(store);
    out.section("Form");
    out.single("Left", s.Left);
    out.single("Top", s.Top);
    out.single("Width", s.Width);
    out.single("Height", s.Height);
    out.single("CalcLeft", s.CalcLeft);
    out.single("CalcTop", s.CalcTop);
    out.single("MemoWidth", s.MemoWidth);
    out.single("MemoHeight", s.MemoHeight);
    out.single("FindLeft", s.FindLeft);
    out.single("FindTop", s.FindTop);
    out.single("InputWidth", s.InputWidth);
    out.single("OutputWidth", s.OutputWidth);
    for (int layout = 0; layout < kHeaderLayoutCount; ++layout)
        for (int col = 0; col < kHeaderColumnCount; ++col)
            out.single(indexedKey("HeaderWidth", layout, col), s.HeaderWidth[layout][col]);
    out.single("TreeWidth", s.TreeWidth);

    out.section("Option");
    const NumberStyle& ns = s.numberStyle;
    out.integer("Digits", ns.pnDigits);
    out.integer("SciDigits", ns.pnSciDigits);
    out.integer("Integer", ns.pnInteger);
    out.integer("NumFormat", ns.pnNumFormat);
    out.boolean("ShowError", ns.pbShowError);
    out.integer("CalcType", s.pnCalcType);
    out.text("CalcPath", s.psCalcPath);
    out.integer("Modify", s.Modify);
    out.integer("SaveWindowSize", s.SaveWindowSize);
    out.integer("ShowMenubar", s.ShowMenubar);
    out.integer("ShowToolbar", s.ShowToolbar);
    out.integer("ShowGridLines", s.ShowGridLines);
    out.integer("StayTop", s.StayTop);

    out.section("View");
    out.integer("SelNodeIndex", s.pnSelNodeIndex);
    out.integer("View", s.View);
    out.boolean("SortGroup", s.SortGroup);
    out.boolean("SortUnit", s.SortUnit);

    out.section("Font");
    static constexpr int kStoredFontAreas[] = {0, 1, 2, 3, 5};
    for (int a : kStoredFontAreas)
        out.text(indexedKey("FontName", a), s.FontName[a]);
    for (int a : kStoredFontAreas)
        out.integer(indexedKey("FontSize", a), s.FontSize[a]);
    for (int style = 0; style < kFontStyleCount; ++style)
        for (int a = 0; a < 4; ++a)
            out.integer(indexedKey("FontStyle", a, style), s.FontStyle[a][style]);

    // Colours in the order of their defaults: the white backgrounds, then the
    // status bar's system colour.
    out.section("Color");
    static constexpr int kStoredTextAreas[] = {0, 1, 2, 4};
    static constexpr int kStoredBackAreas[] = {0, 1, 2, 4, 3};
    for (int a : kStoredTextAreas)
        out.integer(indexedKey("TextColor", a), s.TextColor[a]);
    for (int a : kStoredBackAreas)
        out.integer(indexedKey("BackColor", a), s.BackColor[a]);

    out.section("Header");
    for (int layout = 0; layout < kHeaderLayoutCount; ++layout)
        for (int col = 0; col < (layout == 2 ? 1 : kHeaderColumnCount); ++col)
            out.text(indexedKey("Text", layout, col), s.HeaderText[layout][col]);

    out.section("File");
    out.text("SaveFilePath", table.psTableFile);

    out.section("Extra");
    s.ShowMessage = showMessageText(s);
    out.text("ShowMessage", s.ShowMessage);
    out.boolean("CustomizeToolbar", s.CustomizeToolbar);
    out.integer("ShowMenuDelay", s.ShowMenuDelay);
    out.integer("ScrollTimerInterval", s.ScrollTimerInterval);
    out.integer("ScrollDownDelay", s.ScrollDownDelay);
    out.integer("ShowHintDelay", s.ShowHintDelay);
    out.integer("ShowCheckLocale", s.ShowCheckLocale);

    return store.flush();
}

} // namespace qm
