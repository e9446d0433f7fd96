#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/ViewContext.h"
#include "runtime/component/MovieHost.h"
#include "runtime/stream/Stream.h"

#include <QList>
#include <QPointer>

#include <memory>
#include <vector>

class QLabel;
class QNetworkAccessManager;

namespace runtime {
struct ComponentEnvironment;
class VideoSurface;
}  // namespace runtime

namespace movie {

class DisplayClip;
class FeedManager;
class MediaModel;
class PlayerController;
class PlayerRemote;

// The player movie's program: on its first frame it sets up the stage and context menu, reads
// the configuration, loads the feed, then builds the controller, the views and the models.
class MediaPlayer : public runtime::MovieProgram {
public:
    // Items play on streams from `streams`. The remote, when given, follows this player from its
    // controller's making to its end.
    MediaPlayer(runtime::MovieHost& host, runtime::StreamFactory streams, PlayerRemote* remote = nullptr);
    ~MediaPlayer() override;

    const Config& config() const { return m_config; }
    PlayerController* controller() const { return m_controller.get(); }

private:
    void firstFrame();
    void makeClips();
    QWidget* clip(const QString& name, QWidget* parent);
    void setUp(const Feed& feed);
    void makeModels();
    void makeViews(const ViewContext& context);
    // A plain hidden clip where a view is not wanted.
    void hiddenClip(const QString& name);
    void followStage();

    runtime::MovieHost& m_host;
    runtime::StreamFactory m_streams;
    PlayerRemote* m_remote;
    Config m_config;
    Feed m_feed;
    ViewUpdates m_updates;
    ViewRequests m_requests;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<FeedManager> m_feedManager;
    // The clips made on the first frame, under the stage's root.
    QPointer<QWidget> m_player;
    QPointer<DisplayClip> m_display;
    QPointer<runtime::VideoSurface> m_video;
    QPointer<QLabel> m_image;
    QPointer<QLabel> m_activity;
    std::vector<std::unique_ptr<MediaModel>> m_models;
    std::unique_ptr<PlayerController> m_controller;
    std::vector<std::unique_ptr<QObject>>
        m_views;  // the views that are not widgets; the others live under m_player
    std::unique_ptr<QObject> m_lifetime;
};

// Makes the player movie's program available to the component under "MediaPlayer"; every player
// it makes plays on streams from `streams` and attaches to the remote, when one is given, which
// must outlive them.
void registerMediaPlayer(runtime::ComponentEnvironment& environment, const runtime::StreamFactory& streams,
                         PlayerRemote* remote = nullptr);

}  // namespace movie
