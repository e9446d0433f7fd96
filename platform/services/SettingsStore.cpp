#include "platform/services/SettingsStore.h"

#include "logging/LogCategories.h"

#include <QSettings>

namespace platform {
namespace {

QString keyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

}  // namespace

QString IniSettingsStore::GetSetting(const QString& app, const QString& section, const QString& key,
                                     const QString& def) const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    return settings.value(keyPath(section, key), def).toString();
}

void IniSettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                   const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    settings.setValue(keyPath(section, key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(quorvel::log::settings, "cannot save setting %s", qUtf8Printable(keyPath(section, key)));
}

}  // namespace platform
