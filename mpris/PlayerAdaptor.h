#pragma once

#include "mpris/MprisActions.h"
#include "player/movie/core/Requests.h"

#include <QDBusAbstractAdaptor>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QVariantMap>

namespace mpris {

class BusObject;
class PlayerTracker;

// The org.mpris.MediaPlayer2.Player interface. Every command becomes the request the control bar
// would send the movie's controller; bad arguments get an error or are brought within range.
class PlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPlay)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    PlayerAdaptor(BusObject& object, PlayerTracker& tracker, const MprisActions& actions);

    QString playbackStatus() const;
    double rate() const { return 1.0; }
    void setRate(double rate);
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double volume);
    qlonglong position() const;
    bool canGoNext() const;
    bool canGoPrevious() const;
    bool canPlay() const;
    bool canSeek() const;
    bool canControl() const { return true; }

public Q_SLOTS:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
    void OpenUri(const QString& uri);

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    void request(movie::Request request, const QVariant& argument = QVariant());
    void refuse(QDBusError::ErrorType error, const QString& message);

    BusObject& m_object;
    PlayerTracker& m_tracker;
    const MprisActions& m_actions;
};

}  // namespace mpris
