#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/models/MediaModel.h"
#include "player/movie/models/ModelHost.h"

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace movie {

// Plays video items through a component stream: opens, starts, pauses, seeks and stops it, follows
// its position, buffer and download with two 200 ms polls, and tells the host "play" and "pause".
class FLVModel : public MediaModel {
    Q_OBJECT
public:
    enum class Mode { FLV, HTTP, RTMP };

    // `video` is the clip the picture is drawn in (a runtime::VideoSurface in the product); null
    // plays the sound only.
    FLVModel(const Config& config, ModelHost host, QWidget* video, QObject* parent = nullptr);
    ~FLVModel() override;

    bool accepts(const QString& type) const override;
    void setItem(const FeedItem& item) override;
    void start(std::optional<double> position) override;
    void pause(std::optional<double> position) override;
    void stop() override;
    void setVolume(int volume) override;
    QList<double> soundLevels() const override {
        return m_stream ? m_stream->soundLevels() : QList<double>();
    }

    // The two polls, run by their timers; public so that tests drive them step by step.
    void pollPosition();
    void pollLoad();

    PlayerState currentState() const { return m_state; }
    double currentPosition() const { return m_position; }
    double metaDuration() const { return m_metaDuration; }
    int currentLoaded() const { return m_loaded; }
    bool positionPollActive() const { return m_positionPoll.isActive(); }
    bool loadPollActive() const { return m_loadPoll.isActive(); }
    runtime::Stream* stream() const { return m_stream.get(); }
    Mode mode() const { return m_mode; }
    // What an "rtmp" item opens: its file followed by "/" and its id, or its file alone without an id.
    static QString rtmpAddress(const FeedItem& item);

protected:
    virtual Mode modeFor(const FeedItem& item) const;

private:
    std::optional<double> clamp(std::optional<double> position) const;
    void openIfNeeded();
    void newStream();
    void requestKeyframe(double position);
    QString scriptAddress(const QString& file) const;
    void onStatus(const runtime::StreamStatus& status);
    void onMetaData(const runtime::StreamMetadata& metadata);
    void complete(bool failed);
    void loadComplete();
    void setState(PlayerState state);
    void showVideo(bool shown);
    double bufferLength() const;

    const Config& m_config;
    ModelHost m_host;
    QPointer<QWidget> m_video;
    FeedItem m_item;
    Mode m_mode = Mode::FLV;
    std::unique_ptr<runtime::Stream> m_stream;
    QString m_currentUrl;
    double m_position = 0;
    double m_metaDuration = 0;
    bool m_metaSeen = false;
    // A stream served live: its metadata gave no length.
    bool m_live = false;
    QList<double> m_keyframeTimes;
    QList<double> m_keyframePositions;
    int m_loaded = 0;
    PlayerState m_state = PlayerState::Paused;
    bool m_stopFired = false;
    bool m_everPlayed = false;
    int m_volume = 80;
    QTimer m_positionPoll;
    QTimer m_loadPoll;
};

}  // namespace movie
