// The stored settings as one list of keys: section, key, the value each key
// holds and its default. Reading and writing both walk this list.
#pragma once

#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace qm {

// What a key's value is read into and written from while reading or
// writing: the settings, the data file's path and the unit list's width.
struct SettingsTarget {
    Settings& s;
    std::string& tableFile;
    float listWidth = 0;
};

// Where one key's value lives; its type decides the store encoding: float
// Single, int16_t Integer, int32_t Long, bool Boolean, std::string String.
using SettingsField = std::variant<float*, int16_t*, int32_t*, bool*, std::string*>;

struct SettingKey {
    const char* label = "";   // progress label of its read group
    const char* section = ""; // store section
    std::string name;         // store key
    std::function<SettingsField(SettingsTarget&)> field;
    // Values that follow from this one, set right after it is read.
    std::function<void(SettingsTarget&)> afterRead;
    // The values a number-style option can take (those the Options dialog
    // sets); any other value read gives the default.
    bool (*allowed)(int32_t) = nullptr;
    bool writtenLast = false; // written after the other keys of its section
};

// Every stored key in the order it is read. The default of a key is the value
// its field holds in a fresh Settings (with an empty file path).
const std::vector<SettingKey>& settingKeys();

// Reads one key from the store into its field (RunError on a bad value).
void readSettingKey(const SettingKey& key, SettingsTarget& target, SettingsStore& store);

// Writes every key: in the list's order, a key marked writtenLast after the
// other keys of its section.
void writeSettingKeys(SettingsTarget& target, SettingsStore& store);

} // namespace qm
