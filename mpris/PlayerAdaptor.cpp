#include "mpris/PlayerAdaptor.h"

#include "logging/LogCategories.h"
#include "mpris/BusObject.h"
#include "mpris/OpenUri.h"
#include "mpris/PlayerTracker.h"
#include "mpris/TrackMetadata.h"
#include "player/movie/remote/PlayerRemote.h"

#include <cmath>
#include <exception>

namespace mpris {

PlayerAdaptor::PlayerAdaptor(BusObject& object, PlayerTracker& tracker, const MprisActions& actions)
    : QDBusAbstractAdaptor(&object), m_object(object), m_tracker(tracker), m_actions(actions) {
    connect(&tracker, &PlayerTracker::seeked, this, &PlayerAdaptor::Seeked);
}

QString PlayerAdaptor::playbackStatus() const {
    return m_tracker.playbackStatus();
}

QVariantMap PlayerAdaptor::metadata() const {
    return m_tracker.metadata();
}

double PlayerAdaptor::volume() const {
    return m_tracker.volume();
}

qlonglong PlayerAdaptor::position() const {
    return qlonglong(m_tracker.position() * kMicrosecondsPerSecond);
}

bool PlayerAdaptor::canGoNext() const {
    return m_tracker.canGoNext();
}

bool PlayerAdaptor::canGoPrevious() const {
    return m_tracker.canGoPrevious();
}

bool PlayerAdaptor::canPlay() const {
    return m_tracker.canPlay();
}

bool PlayerAdaptor::canSeek() const {
    return m_tracker.canSeek();
}

void PlayerAdaptor::setRate(double rate) {
    // Only the normal speed is played; a rate of 0 asks for a pause.
    if (rate == 0) Pause();
}

void PlayerAdaptor::setVolume(double volume) {
    // Qt D-Bus gives a property's writer no way to answer with an error: the volume stays.
    if (std::isnan(volume)) {
        qCInfo(quorvel::log::mpris) << "volume that is not a number ignored";
        return;
    }
    // Stored as the control bar stores it; an unchanged volume is not sent, since the bar's
    // request reads a second 0 as a wish for sound back.
    const int wanted = int(std::lround(std::clamp(volume, 0.0, 1.0) * 100));
    if (wanted != m_tracker.remote().volume()) request(movie::Request::Volume, wanted);
}

void PlayerAdaptor::Next() {
    if (canGoNext()) request(movie::Request::Next);
}

void PlayerAdaptor::Previous() {
    if (canGoPrevious()) request(movie::Request::Prev);
}

void PlayerAdaptor::Pause() {
    if (m_tracker.isPlaying()) request(movie::Request::PlayPause);
}

void PlayerAdaptor::PlayPause() {
    request(movie::Request::PlayPause);
}

void PlayerAdaptor::Play() {
    if (!m_tracker.isPlaying()) request(movie::Request::PlayPause);
}

void PlayerAdaptor::Stop() {
    if (!canPlay()) return;
    // Marked first: the stop pauses at the start on its way, which is no state of its own here.
    m_tracker.markStopped();
    request(movie::Request::Stop);
}

void PlayerAdaptor::Seek(qlonglong offset) {
    if (!canSeek()) return;
    const double target = m_tracker.position() + double(offset) / kMicrosecondsPerSecond;
    // Past the end the next item plays, when there is one; before the start is the start.
    if (target > m_tracker.length() && canGoNext()) return Next();
    request(movie::Request::Scrub, std::clamp(target, 0.0, m_tracker.length()));
}

void PlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position) {
    if (!canSeek()) return;
    const double seconds = double(position) / kMicrosecondsPerSecond;
    if (trackId.path() != m_tracker.trackId() || seconds < 0 || seconds > m_tracker.length()) {
        return;
    }
    request(movie::Request::Scrub, seconds);
}

void PlayerAdaptor::OpenUri(const QString& uri) {
    const LoadTarget target = loadTargetOf(uri);
    if (!target.error.isEmpty()) return refuse(QDBusError::InvalidArgs, target.error);
    try {
        m_actions.load(target.path);
    } catch (const std::exception& error) {
        refuse(QDBusError::Failed, QString::fromLocal8Bit(error.what()));
    }
}

void PlayerAdaptor::request(movie::Request request, const QVariant& argument) {
    m_tracker.remote().request(request, argument);
}

void PlayerAdaptor::refuse(QDBusError::ErrorType error, const QString& message) {
    qCInfo(quorvel::log::mpris) << "refused:" << message;
    if (m_object.calledFromDBus()) m_object.sendErrorReply(error, message);
}

}  // namespace mpris
