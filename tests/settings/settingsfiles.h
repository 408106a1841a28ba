// Test helpers: settings stores filled from "Section/Key=value" files of
// tests/data (settings_defaults.txt, settings_custom.txt: every key in the
// order it is read).
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

inline MemoryStore storeOf(const std::vector<StoreEntry>& entries) {
    MemoryStore store;
    for (const StoreEntry& e : entries)
        store.put(e.section, e.key, e.value);
    return store;
}

// A table whose category nodes are 5..9 (three groups, five categories).
inline ConversionTable tableWithNodes() {
    ConversionTable t;
    t.pnCatGroupCount = 3;
    t.pnNodeCount = 5;
    return t;
}

// The settings of settings_custom.txt, read into `s` (its file into `t`).
inline bool readCustom(Settings& s, ConversionTable& t) {
    MemoryStore store = storeOf(settingsFile("settings_custom.txt"));
    RecordingPrompt prompt;
    return pReadCfg(s, t, store, prompt, 0);
}

} // namespace qm::test
