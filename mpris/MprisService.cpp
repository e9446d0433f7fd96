#include "mpris/MprisService.h"

#include "logging/LogCategories.h"
#include "mpris/MprisNames.h"
#include "mpris/PlayerAdaptor.h"
#include "mpris/PlayerTracker.h"
#include "mpris/RootAdaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace mpris {

MprisService::MprisService(movie::PlayerRemote& remote, MprisActions actions)
    : m_actions(std::move(actions)),
      m_tracker(new PlayerTracker(remote, &m_object)),
      m_connection(QStringLiteral("quorvel-mpris-unpublished")) {
    new RootAdaptor(&m_object, m_actions);
    new PlayerAdaptor(m_object, *m_tracker, m_actions);
    QObject::connect(m_tracker, &PlayerTracker::propertiesChanged, &m_object,
                     [this](const QVariantMap& changed) { sendPropertiesChanged(changed); });
}

MprisService::~MprisService() {
    if (m_busName.isEmpty()) return;
    m_connection.unregisterService(m_busName);
    m_connection.unregisterObject(kObjectPath);
}

bool MprisService::publish(QDBusConnection connection) {
    if (!connection.isConnected() || !m_busName.isEmpty()) return false;
    if (!connection.registerObject(kObjectPath, &m_object, QDBusConnection::ExportAdaptors)) {
        qCWarning(quorvel::log::mpris)
            << "cannot register" << kObjectPath << connection.lastError().message();
        return false;
    }
    m_connection = connection;
    // The first Quorvel takes the plain name; any other one tells itself apart by its process.
    for (const QString& name :
         {kBusName, kBusName + kInstanceSuffix + QString::number(QCoreApplication::applicationPid())}) {
        const auto reply =
            m_connection.interface()->registerService(name, QDBusConnectionInterface::DontQueueService);
        if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
            m_busName = name;
            return true;
        }
    }
    qCWarning(quorvel::log::mpris) << "no bus name free for" << kBusName;
    m_connection.unregisterObject(kObjectPath);
    return false;
}

void MprisService::sendPropertiesChanged(const QVariantMap& changed) {
    if (m_busName.isEmpty()) return;
    QDBusMessage signal =
        QDBusMessage::createSignal(kObjectPath, kPropertiesInterface, QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    m_connection.send(signal);
}

}  // namespace mpris
