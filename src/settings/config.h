// Reading all settings from the store at start-up and writing them back at
// shutdown.
#pragma once

#include "core/userprompt.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "table/conversiontable.h"

#include <array>
#include <cstdint>

namespace qm {

// What the main window measures at shutdown, in twips.
struct WindowCapture {
    bool minimised = false; // nothing is captured from a minimised window
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    float TreeWidth = 0;                                 // the category tree
    float InputWidth = 0;                                // the convert-from box
    float OutputWidth = 0;                               // the convert-into box
    std::array<float, kHeaderColumnCount> columnWidth{}; // list columns 1..3
    int16_t pnHeaderIndex = 0;                           // the list layout the columns belong to
};

// Reads every setting from the store, in the store's group order, and applies
// the derived values: HeaderWidth(2, 0) of 0 becomes `listWidth` (the unit
// list's width in twips), area 4's font is area 2's, the flags of the tips
// come from ShowMessage, the timing values are clamped into their ranges,
// the number style's scientific bounds follow SciDigits. A number-style value
// the Options dialog cannot set (Digits outside 4..12, SciDigits other than 0
// or 4..9, Integer or NumFormat other than 0 or 1) reads as its default, so a
// hand-edited store cannot break every conversion. The stored file path
// goes into table.psTableFile; when it is empty psRootNodeText becomes
// "default.dat".
// The first bad value stops the reading: "Error Code = PRCGnn" is shown
// through the prompt, the groups not yet read keep their values and nothing
// is clamped. Returns false then, true otherwise.
bool pReadCfg(Settings& s, ConversionTable& table, SettingsStore& store, UserPrompt& prompt,
              float listWidth);

// Checks the selected node (a node that is not a category becomes the root),
// captures the main window's geometry when it is not minimised and
// SaveWindowSize is 1, rebuilds ShowMessage from the tip flags, and writes
// every key. Returns false when the store refused the values.
bool pSaveCfg(Settings& s, const ConversionTable& table, const WindowCapture& window,
              SettingsStore& store);

// Builds ShowMessage from ShowMessageFlag(0..5).
std::string showMessageText(const Settings& s);

// Clamps the timing values into their ranges.
void clampTimings(Settings& s);

} // namespace qm
