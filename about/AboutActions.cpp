// What the About box's buttons and links do; the box's composition is in frmAbout.cpp.
#include "about/AboutTexts.h"
#include "about/frmAbout.h"
#include "resources/ProductInfo.h"

#include <QFileInfo>
#include <QtEndian>

#include <array>
#include <cstring>

namespace about {

using namespace platform;
using forms::MessageIcon;

void frmAbout::wireEvents() {
    const auto on = [this](const char* name, std::function<void()> handler) {
        m_form.findControl(QLatin1String(name))->Click = std::move(handler);
    };
    on("cmdOK", [this] { m_form.Unload(); });
    on("cmdSysInfo", [this] { StartSysInfo(); });
    on("Command1", [this] { showDetails(); });
    on("Label3", [this] { m_launcher.openUrl(QUrl(quorvel::product::kMakerSite)); });
    on("Image2",
       [this] { m_launcher.openUrl(QUrl(quorvel::product::kMakerSite + QLatin1String(kDonationPage))); });
    // The link shows the author's address but writes to the contact address, as the main window does.
    on("lblDisclaimer",
       [this] { m_launcher.openUrl(QUrl(QStringLiteral("mailto:") + quorvel::product::kContactAddress)); });
}

void frmAbout::showDetails() {
    m_messages.show(detailsMessage(), MessageIcon::Information, QLatin1String(kDetailsTitle));
}

void frmAbout::StartSysInfo() {
    QString path;
    bool found =
        GetKeyValue(HKEY_LOCAL_MACHINE, QLatin1String(kMsInfoKey), QLatin1String(kMsInfoValue), path);
    if (!found && GetKeyValue(HKEY_LOCAL_MACHINE, QLatin1String(kMsInfoLocationKey),
                              QLatin1String(kMsInfoLocationValue), path)) {
        path += QLatin1Char('/') + QLatin1String(kMsInfoFileName);
        found = QFileInfo::exists(path);
    }
    // A path that names nothing is still tried; its failing start ends in the same message.
    if (found && m_launcher.startProgram(path)) return;
    m_messages.show(QLatin1String(kSysInfoMissing), MessageIcon::None, quorvel::product::kTitle);
}

bool frmAbout::GetKeyValue(HKEY KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal) {
    HKEY key = 0;
    // Reading needs no more than read access; machine keys refuse anything else.
    if (m_registry.RegOpenKeyExA(KeyRoot, KeyName, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    std::array<char, 1024> buffer{};
    DWORD size = buffer.size();
    DWORD type = 0;
    if (m_registry.RegQueryValueExA(key, SubKeyRef, &type, buffer.data(), &size) != ERROR_SUCCESS) {
        KeyVal.clear();
        m_registry.RegCloseKey(key);
        return false;
    }
    const qsizetype kept = size > 0 && buffer[size - 1] == '\0' ? size - 1 : size;
    if (type == REG_SZ) {
        KeyVal = QString::fromUtf8(buffer.data(), kept);
    } else if (type == REG_DWORD) {
        // The number itself, from however many of its little-endian bytes came back.
        std::array<uchar, 4> bytes{};
        std::memcpy(bytes.data(), buffer.data(), std::min<size_t>(size, bytes.size()));
        KeyVal = QString::number(qFromLittleEndian<quint32>(bytes.data()));
    }
    m_registry.RegCloseKey(key);
    return true;
}

}  // namespace about
