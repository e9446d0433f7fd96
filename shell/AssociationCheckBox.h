#pragma once

#include "platform/desktop/DesktopAssociation.h"
#include "platform/forms/CheckBox.h"
#include "platform/registry/Registry.h"
#include "platform/services/SettingsStore.h"
#include "shell/ModAssoc.h"

#include <QString>

namespace shell {

inline constexpr auto kAppTitle = "Quorvel";
inline constexpr auto kSettingsSection = "Settings";
inline constexpr auto kAssociateSetting = "AssociateFLV";
// The file name the association always names, whatever the running file is called.
inline constexpr auto kProgramFileName = "Quorvel.exe";

// The handler behind the main window's "Associer .FLV" box: it stores the box's state and
// makes or takes back the .flv association, in the registry and on the desktop.
class AssociationCheckBox {
public:
    AssociationCheckBox(platform::forms::CheckBox& box, platform::SettingsStore& settings,
                        platform::Registry& registry, platform::DesktopAssociation& desktop,
                        QString programFolder);

    // The box's Click handler. Ticked: the association is written; cleared: what is left of
    // it is taken back; greyed: only the setting is saved. Failures do not reach the user.
    void Check1_Click();

    QString executablePath() const;

private:
    void report(const QString& what, const QString& error) const;

    platform::forms::CheckBox& m_box;
    platform::SettingsStore& m_settings;
    ModAssoc m_assoc;
    platform::DesktopAssociation& m_desktop;
    QString m_programFolder;
};

}  // namespace shell
