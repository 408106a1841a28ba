#include "settings/config.h"

#include "core/runerror.h"
#include "settings/settingskeys.h"
#include "settings/settingsvalue.h"

#include <exception>
#include <string>

namespace qm {

namespace {

int16_t clampInt(int16_t v, int16_t lo, int16_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

// Takes the main window's geometry and the widths of the list layout on show.
void captureWindow(Settings& s, const WindowCapture& window) {
    s.Left = window.Left;
    s.Top = window.Top;
    s.Width = window.Width;
    s.Height = window.Height;
    s.TreeWidth = window.TreeWidth;
    s.InputWidth = window.InputWidth;
    s.OutputWidth = window.OutputWidth;
    // A layout out of range has no widths to keep.
    if (window.pnHeaderIndex >= 0 && window.pnHeaderIndex < kHeaderWidthLayouts)
        for (int col = 0; col < kHeaderColumnCount; ++col)
            s.HeaderWidth[window.pnHeaderIndex][col] = window.columnWidth[col];
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
    SettingsTarget target{s, table.psTableFile, listWidth};
    try {
        for (const SettingKey& key : settingKeys()) {
            progress.set(key.label);
            readSettingKey(key, target, store);
        }
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
    if (!window.minimised && s.SaveWindowSize == 1) captureWindow(s, window);
    s.ShowMessage = showMessageText(s);
    std::string tableFile = table.psTableFile;
    SettingsTarget target{s, tableFile};
    writeSettingKeys(target, store);
    return store.flush();
}

} // namespace qm
