#include "runtime/stream/MpvStream.h"

#include "logging/LogCategories.h"
#include "runtime/flv/FlvMetadata.h"
#include "runtime/mpv/MpvCore.h"
#include "runtime/mpv/MpvNames.h"
#include "runtime/stream/SoundLevels.h"
#include "runtime/stream/VideoSurface.h"

#include <QVariantMap>

#include <algorithm>

namespace runtime {

using namespace mpvname;

namespace {

// An RTMP server that stops sending, or never answers at all, ends the stream after this long
// instead of holding it open; an HTTP stream keeps libmpv's own patience.
constexpr auto kRtmpStallMicroseconds = "10000000";

QVariantMap connectionOptions(const StreamSource& source) {
    if (source.kind != StreamSource::Kind::Rtmp) return {};
    return {{QStringLiteral("rw_timeout"), QLatin1String(kRtmpStallMicroseconds)}};
}

}  // namespace

MpvStream::MpvStream(MpvInstances& instances, QObject* parent)
    : Stream(parent), m_core(new MpvCore(instances, this)) {
    connect(m_core, &MpvCore::commandDone, this, &MpvStream::onCommandDone);
    connect(m_core, &MpvCore::valueRead, this, &MpvStream::onValueRead);
    connect(m_core, &MpvCore::fileStarted, this, [this](qint64 entryId) { m_startedEntry = entryId; });
    connect(m_core, &MpvCore::fileLoaded, this, &MpvStream::onFileLoaded);
    connect(m_core, &MpvCore::fileEnded, this, &MpvStream::onFileEnded);
    connect(m_core, &MpvCore::playbackRestarted, this, &MpvStream::onPlaybackRestarted);
    connect(m_core, &MpvCore::propertyChanged, this, &MpvStream::onPropertyChanged);
    connect(m_core, &MpvCore::frameDue, this, &MpvStream::onFrameDue);
    connect(m_core, &MpvCore::logMessage, this, &MpvStream::onLogMessage);
    // The drop counters are for the video surface's reports; the audio output tells whether sound
    // fell back to none.
    for (const char* name :
         {kPlaybackTime, kDemuxerCacheDuration, kDemuxerCacheState, kDuration, kFileSize, kPausedForCache,
          kEofReached, kPause, kVideoParams, kFrameDropCount, kDecoderFrameDropCount, kCurrentAo})
        m_core->observe(name);
    setBufferTime(m_bufferTime);
}

MpvStream::~MpvStream() = default;

bool MpvStream::isValid() const {
    return m_core->isValid();
}

QString MpvStream::errorText() const {
    return m_core->errorText();
}

bool MpvStream::attachVideo(VideoSurface* surface, QString* error) {
    if (!m_core->enableSoftwareRender(error)) return false;
    m_surface = surface;
    m_surface->clear();
    m_videoAttached = true;
    return true;
}

void MpvStream::resetPlayState() {
    ++m_playId;
    m_phase = Phase::Idle;
    m_entryId = -1;
    m_restarted = m_seekPending = m_endReported = m_pausedForCache = false;
    m_metadataPending = m_durationRead = false;
    m_videoTrack = VideoTrack::Unknown;
    m_metadata = StreamMetadata();
    m_source = StreamSource();
    m_time = m_cacheDuration = m_cacheEnd = m_duration = 0;
    m_eofCached = false;
    m_fileSize = -1;
    m_videoSize = QSize();
}

void MpvStream::notFoundLater(const QString& error, NotFound why) {
    qCWarning(quorvel::log::mpv, "stream not found: %s", qUtf8Printable(error));
    // Reported after play() returns, as a real open would be, unless another play or a close
    // came first.
    const quint64 playId = m_playId;
    QMetaObject::invokeMethod(
        this,
        [this, playId, why] {
            if (playId == m_playId) Q_EMIT status({StreamCode::StreamNotFound, why});
        },
        Qt::QueuedConnection);
}

void MpvStream::play(const QString& url) {
    resetPlayState();
    m_source = resolveStreamSource(url);
    if (!m_core->isValid()) {
        notFoundLater(m_core->errorText(), NotFound::Unreadable);
        return;
    }
    if (m_source.kind == StreamSource::Kind::Refused) {
        notFoundLater(m_source.error, m_source.refusal);
        return;
    }
    m_phase = Phase::Opening;
    m_core->setValue(kVo, m_videoAttached ? kVoLibmpv : kVoNull);
    m_core->setValue(kDemuxerLavfOptions,
                     QVariantMap{{QStringLiteral("protocol_whitelist"), allowedProtocols(m_source)}});
    m_core->setValue(kStreamLavfOptions, connectionOptions(m_source));
    m_core->setValue(kAf, m_levelMetering ? kLevelFilter : kNoFilter);
    m_pauseRequested = false;
    m_core->setValue(kPause, false);
    m_core->commandAsync({QLatin1String(kLoadFile), m_source.location, QStringLiteral("replace")},
                         m_playId * 2);
    // Read while libmpv opens the file on its own threads; what it says is only used once this
    // returns to the event loop.
    if (m_source.kind == StreamSource::Kind::Local) {
        const FlvMetadataResult flv = readFlvMetadataFile(m_source.location);
        if (flv.ok) m_metadata = flv.metadata;
    }
}

NotFound MpvStream::openFailure() const {
    return m_source.kind == StreamSource::Kind::Local ? NotFound::Unreadable : NotFound::Unreachable;
}

void MpvStream::pause() {
    m_pauseRequested = true;
    m_core->setValue(kPause, true);
}

void MpvStream::resume() {
    m_pauseRequested = false;
    m_core->setValue(kPause, false);
}

void MpvStream::seek(double seconds) {
    if (m_phase != Phase::Started) return;
    m_seekPending = true;
    m_core->commandAsync(
        {QLatin1String(kSeek), QString::number(std::max(0.0, seconds), 'f', 3), QLatin1String(kSeekAbsolute)},
        m_playId * 2 + 1);
}

void MpvStream::close() {
    const bool wasPlaying = m_phase != Phase::Idle;
    resetPlayState();
    if (wasPlaying) m_core->commandAsync({QLatin1String(kStop)});
}

double MpvStream::bufferLength() const {
    return m_phase == Phase::Started ? std::max(0.0, m_cacheDuration) : 0;
}

void MpvStream::setBufferTime(double seconds) {
    m_bufferTime = std::max(0.0, seconds);
    // Playback waits for this much after running dry, and the demuxer reads well beyond it so
    // that a local file's buffer never looks short.
    m_core->setValue(kCachePauseWait, std::max(0.1, m_bufferTime));
    m_core->setValue(kDemuxerReadaheadSecs, m_bufferTime + 5.0);
}

qint64 MpvStream::bytesTotal() const {
    if (m_phase != Phase::Started) return 0;
    if (m_source.kind == StreamSource::Kind::Local) return m_source.fileSize;
    return std::max<qint64>(0, m_fileSize);
}

qint64 MpvStream::bytesLoaded() const {
    const qint64 total = bytesTotal();
    if (m_source.kind == StreamSource::Kind::Local || total <= 0 || m_eofCached) return total;
    // libmpv tells how far into the media its cache reaches, not how many bytes came in, so
    // the bytes are estimated from the time reached.
    if (m_duration <= 0) return 0;
    return std::clamp<qint64>(qint64(double(total) * m_cacheEnd / m_duration), 0, total);
}

QList<double> MpvStream::soundLevels() const {
    if (!m_levelMetering || m_phase != Phase::Started) return {};
    return soundLevelsFromMetadata(m_core->observedValue(kLevelMetadata).toMap());
}

void MpvStream::setLevelMetering(bool on) {
    if (on && !m_levelMetering) m_core->observe(kLevelMetadata);
    m_levelMetering = on;
}

void MpvStream::setVolume(int percent) {
    m_core->setValue(kVolume, double(std::clamp(percent, 0, 100)));
}

}  // namespace runtime
