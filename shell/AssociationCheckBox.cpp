#include "shell/AssociationCheckBox.h"

#include "logging/LogCategories.h"
#include "platform/services/SystemServices.h"

namespace shell {

AssociationCheckBox::AssociationCheckBox(platform::forms::CheckBox& box, platform::SettingsStore& settings,
                                         platform::Registry& registry, platform::DesktopAssociation& desktop,
                                         QString programFolder)
    : m_box(box),
      m_settings(settings),
      m_assoc(registry),
      m_desktop(desktop),
      m_programFolder(std::move(programFolder)) {}

QString AssociationCheckBox::executablePath() const {
    return platform::AddBackslash(m_programFolder) + QLatin1String(kProgramFileName);
}

void AssociationCheckBox::report(const QString& what, const QString& error) const {
    qCWarning(quorvel::log::shell, "%s: %s", qUtf8Printable(what), qUtf8Printable(error));
}

void AssociationCheckBox::Check1_Click() {
    const int value = m_box.Value();
    m_settings.SaveSetting(QLatin1String(kAppTitle), QLatin1String(kSettingsSection),
                           QLatin1String(kAssociateSetting), QString::number(value));
    QString error;
    if (value == 1) {
        // A refused registry write leaves the box ticked and the setting "1": the next start tries again.
        m_assoc.AssociateExtension(executablePath(), QStringLiteral(".flv"));
        if (!m_desktop.install(&error))
            report(QStringLiteral("the .flv association was not completed"), error);
    } else if (value == 0) {
        m_assoc.RemoveAssociation(executablePath(), QStringLiteral(".flv"));
        if (!m_desktop.remove(&error))
            report(QStringLiteral("the .flv association was not fully removed"), error);
    }
}

}  // namespace shell
