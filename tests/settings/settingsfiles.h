// Test helpers: settings stores filled from "Section/Key=value" files of
// tests/data (settings_defaults.txt, settings_custom.txt: every key in the
// order it is read), and the custom file's settings member by member.
#pragma once

#include "core/recordingprompt.h"
#include "settings/config.h"

#include <fstream>
#include <string>
#include <vector>

namespace qm::test {

inline std::vector<StoreEntry> settingsFile(const std::string& name) {
    std::ifstream in(std::string(QM_TEST_DATA_DIR) + "/" + name);
    std::vector<StoreEntry> entries;
    for (std::string line; std::getline(in, line);) {
        const auto slash = line.find('/'), eq = line.find('=');
        entries.push_back({kSettingsApp, line.substr(0, slash),
                           line.substr(slash + 1, eq - slash - 1), line.substr(eq + 1)});
    }
    return entries;
}

// A table whose category nodes are 5..9 (three groups, five categories).
inline ConversionTable tableWithNodes() {
    ConversionTable t;
    t.pnCatGroupCount = 3;
    t.pnNodeCount = 5;
    return t;
}

// pReadCfg on a store holding `entries`, into `start`.
struct Reading {
    explicit Reading(const std::vector<StoreEntry>& entries, Settings start = {}) : s(start) {
        for (const StoreEntry& e : entries)
            store.put(e.section, e.key, e.value);
        ok = pReadCfg(s, t, store, prompt, 2345);
    }
    Settings s;
    ConversionTable t = tableWithNodes();
    MemoryStore store;
    RecordingPrompt prompt;
    bool ok = false;
};

inline Settings customSettings() {
    // clang-format off
    return {.Left = 1200.5f, .Top = -30, .Width = 9000, .Height = 6000.25f, .CalcLeft = 15,
        .CalcTop = 30, .MemoWidth = 4000, .MemoHeight = 2500, .FindLeft = 600, .FindTop = 700,
        .InputWidth = 2500, .OutputWidth = 2600,
        .HeaderWidth = {{{1000, 1100, 1200}, {1300, 1400, 1500}, {1600, 1700, 1800}, {0, 0, 0}}},
        .TreeWidth = 3000, .numberStyle = {9, 4, 1, 1, true, 1e4, 1e-4}, .pnCalcType = 2,
        .psCalcPath = " C:\\Tools\\calc, v2.exe ", .Modify = 0, .SaveWindowSize = 2,
        .ShowMenubar = 3, .ShowToolbar = 4, .ShowGridLines = 5, .StayTop = 6, .pnSelNodeIndex = 7,
        .View = 2, .SortGroup = true, .SortUnit = true,
        .FontName = {"Tahoma", "Verdana", "Consolas", "Georgia", "Consolas", "Lucida Console"},
        .FontSize = {11, 12, 14, 7, 14, 13},
        .FontStyle = {{{1, 1, 1}, {1, 0, 1}, {0, 1, 1}, {0, 1, 0}, {0, 1, 1}, {0, 0, 0}}},
        .TextColor = {255, 65280, 16711680, 0, 128, 0},
        .BackColor = {12632256, 8421504, 65535, -2147483643, 16776960, kWhite},
        .HeaderText = {{{"Name", "Factor", "Shift"}, {"Constant", "Amount", "Dimension"},
                        {"Base", "", ""}}},
        .psRootNodeText = "", .ShowMessage = "010203", .ShowMessageFlag = {0, 1, 0, 2, 0, 3},
        .CustomizeToolbar = true, .ShowMenuDelay = 250, .ScrollTimerInterval = 75,
        .ScrollDownDelay = 1500, .ShowHintDelay = 900, .ShowCheckLocale = 0};
    // clang-format on
}

} // namespace qm::test
