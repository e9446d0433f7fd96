#pragma once

#include <QString>

namespace platform {

// The per-user settings store, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString GetSetting(const QString& app, const QString& section, const QString& key,
                               const QString& def) const = 0;
    virtual void SaveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& value) = 0;
};

// An INI file per application in the user's configuration folder ($XDG_CONFIG_HOME/<app>/<app>.ini).
class IniSettingsStore : public SettingsStore {
public:
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& def) const override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
};

}  // namespace platform
