#pragma once

#include "player/movie/core/Requests.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

namespace movie {
class PlayerRemote;
}

namespace mpris {

// Follows the current player movie for the bus: its status from the notifications that feed the
// status line, its position and length from the time the control bar shows, its item and volume.
// Reports each change of the properties a client may watch.
class PlayerTracker : public QObject {
    Q_OBJECT
public:
    explicit PlayerTracker(movie::PlayerRemote& remote, QObject* parent = nullptr);

    movie::PlayerRemote& remote() const { return m_remote; }
    QString playbackStatus() const;
    QVariantMap metadata() const;
    QString trackId() const;
    double position() const { return m_position; }  // seconds
    double length() const { return m_length; }      // seconds; 0 when not known
    double volume() const;                          // 0 to 1
    bool isPlaying() const;
    bool canPlay() const;
    bool canSeek() const { return canPlay() && m_length > 0; }
    bool canGoNext() const;
    bool canGoPrevious() const { return canGoNext(); }

    // A stop leaves the player paused at the start; it reads as stopped until the next start.
    void markStopped();

Q_SIGNALS:
    // Changed properties of the Player interface, by name, with their new values.
    void propertiesChanged(const QVariantMap& changed);
    void seeked(qlonglong position);  // microseconds

private:
    void onPlayerChanged();
    void onNotified(const QString& command);
    void onTime(double elapsed, double remaining);
    void onItem();
    void onRequested(movie::Request request, const QVariant& argument);
    void reportStatus();
    void reportTrack();

    movie::PlayerRemote& m_remote;
    quint64 m_player = 0;
    bool m_playing = false;
    bool m_stopped = false;
    double m_position = 0;
    double m_length = 0;
    QString m_reportedStatus;
};

}  // namespace mpris
