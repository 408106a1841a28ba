#include "platform/qtsettingsstore.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace qm {

namespace {

QString keyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore(QSettings::Format format) : format_(format) {}

QtSettingsStore::~QtSettingsStore() {
    flush();
}

QSettings& QtSettingsStore::settingsFor(const std::string& application) {
    auto& slot = stores_[application];
    if (!slot)
        slot = std::make_unique<QSettings>(format_, QSettings::UserScope,
                                           QStringLiteral("Quantimetrix"),
                                           QString::fromStdString(application));
    return *slot;
}

std::string QtSettingsStore::get(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& def) {
    QSettings& settings = settingsFor(application);
    const QString path = keyPath(section, key);
    if (!settings.contains(path)) return def;
    const QVariant value = settings.value(path);
    // A hand-edited settings file may hold an unquoted list ("7,095"): read it
    // back as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::save(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& value) {
    settingsFor(application).setValue(keyPath(section, key), QString::fromStdString(value));
}

bool QtSettingsStore::flush() {
    bool ok = true;
    for (auto& [name, settings] : stores_) {
        settings->sync();
        if (settings->status() != QSettings::NoError) ok = false;
    }
    return ok;
}

} // namespace qm
