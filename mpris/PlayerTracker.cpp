#include "mpris/PlayerTracker.h"

#include "mpris/TrackMetadata.h"
#include "player/movie/remote/PlayerRemote.h"

#include <algorithm>

namespace mpris {

PlayerTracker::PlayerTracker(movie::PlayerRemote& remote, QObject* parent)
    : QObject(parent), m_remote(remote) {
    connect(&remote, &movie::PlayerRemote::playerChanged, this, &PlayerTracker::onPlayerChanged);
    connect(&remote, &movie::PlayerRemote::notified, this, &PlayerTracker::onNotified);
    connect(&remote, &movie::PlayerRemote::time, this, &PlayerTracker::onTime);
    connect(&remote, &movie::PlayerRemote::itemChanged, this, &PlayerTracker::onItem);
    connect(&remote, &movie::PlayerRemote::requested, this, &PlayerTracker::onRequested);
    connect(&remote, &movie::PlayerRemote::volumeChanged, this, [this] {
        Q_EMIT propertiesChanged({{QStringLiteral("Volume"), volume()}});
    });
    m_reportedStatus = playbackStatus();
}

QString PlayerTracker::playbackStatus() const {
    if (!m_remote.hasPlayer() || m_stopped) return QStringLiteral("Stopped");
    return m_playing ? QStringLiteral("Playing") : QStringLiteral("Paused");
}

bool PlayerTracker::isPlaying() const {
    return m_remote.hasPlayer() && !m_stopped && m_playing;
}

QString PlayerTracker::trackId() const {
    return canPlay() ? trackIdOf(m_player, m_remote.currentItem()) : QString();
}

QVariantMap PlayerTracker::metadata() const {
    if (!canPlay()) return noTrackMetadata();
    return metadataOf(m_remote.feed().at(m_remote.currentItem()), trackId(), m_length);
}

double PlayerTracker::volume() const {
    return m_remote.volume() / 100.0;
}

bool PlayerTracker::canPlay() const {
    const qsizetype items = m_remote.feed().size();
    return m_remote.currentItem() >= 0 && m_remote.currentItem() < items;
}

bool PlayerTracker::canGoNext() const {
    return m_remote.feed().size() > 1;
}

void PlayerTracker::markStopped() {
    m_stopped = true;
    m_position = 0;
    reportStatus();
}

void PlayerTracker::onPlayerChanged() {
    if (m_remote.hasPlayer()) ++m_player;
    m_playing = false;
    m_stopped = false;
    onItem();
    reportStatus();
}

void PlayerTracker::onNotified(const QString& command) {
    if (command == QLatin1String("play")) {
        m_playing = true;
        m_stopped = false;
    } else if (command == QLatin1String("pause")) {
        m_playing = false;
    }
    reportStatus();
}

void PlayerTracker::onTime(double elapsed, double remaining) {
    m_position = std::max(0.0, elapsed);
    // The model counts the remaining time from the file's own duration; without one it is 0.
    if (remaining > 0 && elapsed + remaining != m_length) {
        m_length = elapsed + remaining;
        reportTrack();
    }
}

void PlayerTracker::onItem() {
    m_position = 0;
    m_length = canPlay() ? std::max(0.0, m_remote.feed().at(m_remote.currentItem()).duration) : 0;
    reportTrack();
}

void PlayerTracker::onRequested(movie::Request request, const QVariant& argument) {
    if (request != movie::Request::Scrub) return;
    // The model takes the position as asked, within the item.
    const double target = std::max(0.0, argument.toDouble());
    m_position = m_length > 0 ? std::min(target, m_length) : target;
    Q_EMIT seeked(qlonglong(m_position * kMicrosecondsPerSecond));
}

void PlayerTracker::reportStatus() {
    const QString status = playbackStatus();
    if (status == m_reportedStatus) return;
    m_reportedStatus = status;
    Q_EMIT propertiesChanged({{QStringLiteral("PlaybackStatus"), status}});
}

void PlayerTracker::reportTrack() {
    Q_EMIT propertiesChanged({{QStringLiteral("Metadata"), metadata()},
                              {QStringLiteral("CanPlay"), canPlay()},
                              {QStringLiteral("CanPause"), canPlay()},
                              {QStringLiteral("CanSeek"), canSeek()},
                              {QStringLiteral("CanGoNext"), canGoNext()},
                              {QStringLiteral("CanGoPrevious"), canGoPrevious()},
                              {QStringLiteral("Volume"), volume()}});
}

}  // namespace mpris
