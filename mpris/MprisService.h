#pragma once

#include "mpris/BusObject.h"
#include "mpris/MprisActions.h"

#include <QDBusConnection>
#include <QString>

namespace movie {
class PlayerRemote;
}

namespace mpris {

class PlayerTracker;

// Quorvel on the session bus as a media player the desktop's media keys, panel widgets and
// playerctl drive: the object with its two interfaces, and the player's bus name.
class MprisService {
public:
    // The remote and the actions' targets must outlive the service.
    MprisService(movie::PlayerRemote& remote, MprisActions actions);
    ~MprisService();

    // Publishes on the connection. Without a bus there is nothing to publish, and nothing is
    // said: the player plays as it does anywhere else.
    bool publish(QDBusConnection connection);
    // The name taken; empty until published.
    QString busName() const { return m_busName; }

private:
    void sendPropertiesChanged(const QVariantMap& changed);

    MprisActions m_actions;
    BusObject m_object;
    PlayerTracker* m_tracker;
    QDBusConnection m_connection;
    QString m_busName;
};

}  // namespace mpris
