// How libmpv's events become the stream's status codes, metadata and cached values.
#include "runtime/stream/MpvStream.h"

#include "logging/LogCategories.h"
#include "runtime/mpv/MpvCore.h"
#include "runtime/mpv/MpvNames.h"
#include "runtime/mpv/SoundOutput.h"
#include "runtime/stream/VideoSurface.h"

#include <QVariantMap>

namespace runtime {

using namespace mpvname;

namespace {

// How far an RTMP stream's duration may lie beyond what has arrived and still be only that.
constexpr double kLiveSlackSeconds = 0.1;

}  // namespace

bool MpvStream::isCurrentFile() const {
    return m_phase != Phase::Idle && m_entryId >= 0 && m_startedEntry == m_entryId;
}

void MpvStream::onCommandDone(quint64 id, bool ok, const QVariant& result) {
    if (id == m_playId * 2 && m_phase == Phase::Opening) {
        if (!ok) {
            m_phase = Phase::Idle;
            Q_EMIT status({StreamCode::StreamNotFound, openFailure()});
            return;
        }
        m_entryId = result.toMap().value(QStringLiteral("playlist_entry_id"), -1).toLongLong();
    } else if (id == m_playId * 2 + 1 && !ok) {
        m_seekPending = false;
    }
}

void MpvStream::onFileLoaded() {
    if (!isCurrentFile() || m_phase != Phase::Opening) return;
    m_phase = Phase::Started;
    Q_EMIT status({StreamCode::PlayStart});
    m_metadataPending = true;
    // Asked without waiting: the core may be busy starting the video output, which waits for
    // this thread to draw.
    m_core->valueAsync(kVid, readId(Read::VideoTrack));
    m_core->valueAsync(kDuration, readId(Read::Duration));
    // Read after the duration, so a live stream's cache has reached at least as far.
    if (m_source.kind == StreamSource::Kind::Rtmp)
        m_core->valueAsync(kDemuxerCacheState, readId(Read::CacheState));
}

void MpvStream::onValueRead(quint64 id, const QVariant& value) {
    if (m_phase != Phase::Started) return;
    if (id == readId(Read::VideoTrack)) {
        m_videoTrack = value.typeId() == QMetaType::LongLong ? VideoTrack::Present : VideoTrack::Absent;
    } else if (id == readId(Read::Duration)) {
        if (m_metadata.duration <= 0) m_metadata.duration = qMax(0.0, value.toDouble());
        m_durationRead = m_source.kind != StreamSource::Kind::Rtmp;
    } else if (id == readId(Read::CacheState)) {
        // A live stream has no length: libmpv gives what has arrived so far as its duration.
        const QVariantMap state = value.toMap();
        if (!state.value(QLatin1String(kEofCachedKey)).toBool() &&
            m_metadata.duration <= state.value(QLatin1String(kCacheEndKey)).toDouble() + kLiveSlackSeconds)
            m_metadata.duration = 0;
        m_durationRead = true;
    } else if (id == readId(Read::Pause)) {
        // Still paused, and not by us: the end of the file. libmpv does not always say so through
        // eof-reached (a file none of whose frames decode is rewound to its last frame, and the
        // change is never reported).
        if (value.toBool() && !m_pauseRequested) {
            sendMetadataWhenReady(true);
            reportEnd();
        }
        return;
    } else {
        return;
    }
    sendMetadataWhenReady(false);
}

void MpvStream::sendMetadataWhenReady(bool force) {
    if (!m_metadataPending) return;
    if (m_metadata.width <= 0 && !m_videoSize.isEmpty()) {
        m_metadata.width = m_videoSize.width();
        m_metadata.height = m_videoSize.height();
    }
    // The picture's size is known once the first video frame has been decoded; a file with no
    // video has none to wait for.
    const bool read = m_durationRead && m_videoTrack != VideoTrack::Unknown;
    if (!force && (!read || (m_metadata.width <= 0 && m_videoTrack == VideoTrack::Present))) return;
    m_metadataPending = false;
    Q_EMIT metaData(m_metadata);
}

void MpvStream::onFileEnded(qint64 entryId, MpvCore::EndReason reason, const QString& error) {
    if (entryId != m_entryId || m_phase == Phase::Idle) return;
    if (reason == MpvCore::EndReason::Stop) return;
    if (m_phase == Phase::Opening) {
        qCWarning(quorvel::log::mpv, "stream not found: %s: %s", qUtf8Printable(m_source.location),
                  qUtf8Printable(error));
        m_phase = Phase::Idle;
        Q_EMIT status({StreamCode::StreamNotFound, openFailure()});
        return;
    }
    sendMetadataWhenReady(true);
    reportEnd();
}

void MpvStream::reportEnd() {
    if (m_endReported) return;
    m_endReported = true;
    Q_EMIT status({StreamCode::PlayStop});
    Q_EMIT status({StreamCode::BufferFlush});
}

void MpvStream::onPlaybackRestarted() {
    if (m_phase != Phase::Started) return;
    if (!m_restarted) {
        m_restarted = true;
        Q_EMIT status({StreamCode::BufferFull});
    } else if (m_seekPending) {
        m_seekPending = false;
        Q_EMIT status({StreamCode::SeekNotify});
    }
}

void MpvStream::onVideoParams(const QVariantMap& params) {
    if (m_phase != Phase::Started) return;
    const QSize size(params.value(QLatin1String(kParamsWidthKey)).toInt(),
                     params.value(QLatin1String(kParamsHeightKey)).toInt());
    if (size.isEmpty() || size == m_videoSize) return;
    m_videoSize = size;
    Q_EMIT videoSizeChanged(size);
    sendMetadataWhenReady(false);
}

void MpvStream::onPropertyChanged(const QString& name, const QVariant& value) {
    if (name == QLatin1String(kPlaybackTime)) {
        if (value.isValid()) m_time = value.toDouble();
    } else if (name == QLatin1String(kDemuxerCacheDuration)) {
        m_cacheDuration = value.toDouble();
    } else if (name == QLatin1String(kDemuxerCacheState)) {
        const QVariantMap state = value.toMap();
        m_cacheEnd = state.value(QLatin1String(kCacheEndKey)).toDouble();
        m_eofCached = state.value(QLatin1String(kEofCachedKey)).toBool();
    } else if (name == QLatin1String(kVideoParams)) {
        onVideoParams(value.toMap());
    } else if (name == QLatin1String(kCurrentAo)) {
        noteSoundOutput(value.toString());
    } else if (name == QLatin1String(kDuration)) {
        m_duration = value.toDouble();
    } else if (name == QLatin1String(kFileSize)) {
        m_fileSize = value.isValid() ? value.toLongLong() : -1;
    } else if (name == QLatin1String(kPause)) {
        // At the end libmpv pauses by itself. The change may predate a later request of ours, so
        // the value is read again behind the requests already sent.
        if (m_phase != Phase::Started) return;
        if (!value.toBool())
            m_endReported = false;
        else if (!m_pauseRequested)
            m_core->valueAsync(kPause, readId(Read::Pause));
    } else if (name == QLatin1String(kPausedForCache)) {
        const bool paused = value.toBool();
        if (m_phase == Phase::Started && paused != m_pausedForCache)
            Q_EMIT status({paused ? StreamCode::BufferEmpty : StreamCode::BufferFull});
        m_pausedForCache = paused;
    } else if (name == QLatin1String(kEofReached)) {
        // With keep-open the end is a pause at the last frame; a seek back makes it playable again.
        if (m_phase != Phase::Started) return;
        if (value.toBool()) {
            sendMetadataWhenReady(true);
            reportEnd();
        } else {
            m_endReported = false;
        }
    }
}

void MpvStream::onFrameDue() {
    if (m_surface)
        m_surface->renderFrom(*m_core);
    else
        VideoSurface::consumeFrame(*m_core);
}

void MpvStream::onLogMessage(const QString& level, const QString& text) {
    if (level == QLatin1String("error") || level == QLatin1String("fatal")) ++m_errorLines;
    qCWarning(quorvel::log::mpv, "%s: %s", qUtf8Printable(level), qUtf8Printable(text));
}

}  // namespace runtime
