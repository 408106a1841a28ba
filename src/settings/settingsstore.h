// The per-user settings store as the core sees it: string values by
// application, section and key. The window program stores them with QSettings;
// tests use the in-memory store.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace qm {

// Application name under which all settings are kept.
inline constexpr const char* kSettingsApp = "Quantimetrix";

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored value, or `def` when the key is missing.
    virtual std::string get(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& def) = 0;
    // Creates or replaces the value.
    virtual void save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) = 0;
    // Makes the saved values permanent; false when the store refused them.
    virtual bool flush() { return true; }
};

// One access to the store, as recorded by MemoryStore.
struct StoreEntry {
    std::string application;
    std::string section;
    std::string key;
    std::string value; // the value saved; for a read, the default asked with

    bool operator==(const StoreEntry&) const = default;
};

// A store held in memory that records every read and write in order.
class MemoryStore : public SettingsStore {
  public:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<StoreEntry> reads;
    std::vector<StoreEntry> writes;

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& def) override {
        reads.push_back({application, section, key, def});
        auto it = values.find({application, section, key});
        return it == values.end() ? def : it->second;
    }
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override {
        writes.push_back({application, section, key, value});
        values[{application, section, key}] = value;
    }
    // Puts a value into the store without recording it (test set-up).
    void put(const std::string& section, const std::string& key, const std::string& value) {
        values[{kSettingsApp, section, key}] = value;
    }
};

} // namespace qm
