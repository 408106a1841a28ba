// The per-user settings store on QSettings: organisation "Quantimetrix", one
// settings file (or registry key) per application, one group per section,
// every value a string.
#pragma once

#include "settings/settingsstore.h"

#include <QSettings>

#include <map>
#include <memory>
#include <string>

namespace qm {

class QtSettingsStore : public SettingsStore {
  public:
    // The native store of the platform by default; tests pass IniFormat with a
    // path set by QSettings::setPath.
    explicit QtSettingsStore(QSettings::Format format = QSettings::NativeFormat);
    ~QtSettingsStore() override;

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& def) override;
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override;
    // Writes pending values out; false when the store could not be written.
    bool flush() override;

    // The QSettings of an application (created on first use).
    QSettings& settingsFor(const std::string& application);

  private:
    QSettings::Format format_;
    std::map<std::string, std::unique_ptr<QSettings>> stores_;
};

} // namespace qm
