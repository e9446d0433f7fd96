#pragma once

#include "runtime/mpv/MpvCore.h"
#include "runtime/stream/Stream.h"
#include "runtime/stream/StreamSource.h"

#include <QPointer>
#include <QSize>

namespace runtime {

class VideoSurface;
struct MpvInstances;

// The component's stream over libmpv: local files and http(s) addresses, played progressively, and
// RTMP streams through libmpv's own RTMP client.
class MpvStream : public Stream {
    Q_OBJECT
public:
    // Its libmpv instance comes from instances, which must outlive it.
    explicit MpvStream(MpvInstances& instances, QObject* parent = nullptr);
    ~MpvStream() override;

    // False when libmpv could not be started; every play then reports StreamNotFound.
    bool isValid() const;
    QString errorText() const;

    // Sends the video to surface from the next play on. Without a surface video is decoded but
    // not drawn. The surface may be destroyed before the stream.
    bool attachVideo(VideoSurface* surface, QString* error = nullptr) override;
    // The video's own size, empty until known or for sound only.
    QSize videoSize() const { return m_videoSize; }
    // How many error-level lines libmpv logged (they also go to standard error).
    int errorLines() const { return m_errorLines; }

    void play(const QString& url) override;
    void pause() override;
    void resume() override;
    void seek(double seconds) override;
    void close() override;

    double time() const override { return m_phase == Phase::Idle ? 0 : m_time; }
    double bufferLength() const override;
    double bufferTime() const override { return m_bufferTime; }
    void setBufferTime(double seconds) override;
    qint64 bytesLoaded() const override;
    qint64 bytesTotal() const override;
    void setVolume(int percent) override;
    void setLevelMetering(bool on) override;
    QList<double> soundLevels() const override;

Q_SIGNALS:
    void videoSizeChanged(QSize size);

private:
    enum class Phase { Idle, Opening, Started };
    enum class VideoTrack { Unknown, Present, Absent };
    // Values read without waiting, each play with ids of its own.
    enum class Read { VideoTrack, Duration, CacheState, Pause, Count };
    quint64 readId(Read what) const { return m_playId * quint64(Read::Count) + quint64(what); }

    void resetPlayState();
    void notFoundLater(const QString& error, NotFound why);
    // What libmpv failing to open the source means to the user.
    NotFound openFailure() const;
    bool isCurrentFile() const;
    void onCommandDone(quint64 id, bool ok, const QVariant& result);
    void onValueRead(quint64 id, const QVariant& value);
    void onFileLoaded();
    void onFileEnded(qint64 entryId, MpvCore::EndReason reason, const QString& error);
    void onPlaybackRestarted();
    void onVideoParams(const QVariantMap& params);
    void onPropertyChanged(const QString& name, const QVariant& value);
    void onFrameDue();
    void onLogMessage(const QString& level, const QString& text);
    void reportEnd();
    void sendMetadataWhenReady(bool force);

    MpvCore* m_core;
    QPointer<VideoSurface> m_surface;
    bool m_videoAttached = false;
    StreamSource m_source;
    Phase m_phase = Phase::Idle;
    quint64 m_playId = 0;
    qint64 m_entryId = -1;
    qint64 m_startedEntry = -1;
    bool m_restarted = false;
    bool m_seekPending = false;
    bool m_endReported = false;
    bool m_pauseRequested = false;
    bool m_pausedForCache = false;
    bool m_metadataPending = false;
    // What the file holds, read once it is loaded: the metadata waits for both.
    VideoTrack m_videoTrack = VideoTrack::Unknown;
    bool m_durationRead = false;
    StreamMetadata m_metadata;
    double m_bufferTime = 0.1;
    double m_time = 0;
    double m_cacheDuration = 0;
    double m_cacheEnd = 0;
    bool m_eofCached = false;
    double m_duration = 0;
    qint64 m_fileSize = -1;
    QSize m_videoSize;
    int m_errorLines = 0;
    bool m_levelMetering = false;
};

}  // namespace runtime
