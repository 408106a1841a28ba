// libFuzzer harness: the settings read from arbitrary stored texts. The input's
// lines answer the store's reads in order (reads beyond the last line get the
// default). A bad value may stop the reading with its error code; settings
// read whole must save, read back and save again to the same texts.
#include "core/recordingprompt.h"
#include "settings/config.h"
#include "settings/settingsstore.h"
#include "table/conversiontable.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace qm;

namespace {

constexpr float kListWidth = 4000;

// Answers the n-th read with the n-th stored text.
class SequenceStore : public SettingsStore {
  public:
    explicit SequenceStore(std::string_view input) {
        std::size_t start = 0;
        for (std::size_t end; (end = input.find('\n', start)) != std::string_view::npos;
             start = end + 1)
            texts_.emplace_back(input.substr(start, end - start));
        if (start < input.size()) texts_.emplace_back(input.substr(start));
    }
    std::string get(const std::string&, const std::string&, const std::string&,
                    const std::string& def) override {
        return reads_ < texts_.size() ? texts_[reads_++] : def;
    }
    void save(const std::string&, const std::string&, const std::string&,
              const std::string&) override {
        std::abort(); // reading never writes
    }

  private:
    std::vector<std::string> texts_;
    std::size_t reads_ = 0;
};

// Keeps the saved texts by section and key, and the order they came in.
class SavedStore : public SettingsStore {
  public:
    std::unordered_map<std::string, std::string> values;
    std::vector<std::string> order;

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& def) override {
        auto it = values.find(application + '\n' + section + '\n' + key);
        return it == values.end() ? def : it->second;
    }
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override {
        std::string k = application + '\n' + section + '\n' + key;
        order.push_back(k + '\n' + value);
        values[std::move(k)] = value;
    }
};

SavedStore saved(Settings& s, const ConversionTable& table) {
    SavedStore store;
    const WindowCapture minimised{.minimised = true};
    if (!pSaveCfg(s, table, minimised, store)) std::abort();
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SequenceStore store({reinterpret_cast<const char*>(data), size});
    // The settings touch only the table's file path; a table is costly to
    // build, so the two are built once.
    static ConversionTable table;
    static ConversionTable table2;
    Settings s;
    RecordingPrompt prompt;
    if (!pReadCfg(s, table, store, prompt, kListWidth)) {
        if (prompt.messages.size() != 1) std::abort();
        return 0;
    }
    SavedStore first = saved(s, table);
    Settings t;
    if (!pReadCfg(t, table2, first, prompt, kListWidth)) std::abort();
    if (saved(t, table2).order != first.order) std::abort();
    return 0;
}
