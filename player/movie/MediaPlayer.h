#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/ViewContext.h"
#include "runtime/component/MovieHost.h"

#include <QList>
#include <QPointer>

#include <memory>
#include <vector>

class QNetworkAccessManager;

namespace runtime {
struct ComponentEnvironment;
}

namespace movie {

class FeedManager;
class MediaModel;
class PlayerController;
class PlayerRemote;

// The player movie's program: on its first frame it sets up the stage and context menu, reads
// the configuration, loads the feed, then builds the controller, the views and the models.
class MediaPlayer : public runtime::MovieProgram {
public:
    // The remote, when given, follows this player from its controller's making to its end.
    explicit MediaPlayer(runtime::MovieHost& host, PlayerRemote* remote = nullptr);
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
    QWidget* playerClip(const QString& name) const;
    void followStage();

    runtime::MovieHost& m_host;
    PlayerRemote* m_remote;
    Config m_config;
    Feed m_feed;
    ViewUpdates m_updates;
    ViewRequests m_requests;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<FeedManager> m_feedManager;
    QPointer<QWidget> m_player;
    std::vector<std::unique_ptr<MediaModel>> m_models;
    std::unique_ptr<PlayerController> m_controller;
    std::vector<std::unique_ptr<QObject>>
        m_views;  // the views that are not widgets; the others live under m_player
    std::unique_ptr<QObject> m_lifetime;
};

// Makes the player movie's program available to the component under "MediaPlayer"; every player
// it makes attaches to the remote, when one is given, which must outlive them.
void registerMediaPlayer(runtime::ComponentEnvironment& environment, PlayerRemote* remote = nullptr);

}  // namespace movie
