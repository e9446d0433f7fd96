// What the player builds once its feed is ready: models, controller and views, in the movie's order.
#include "player/movie/MediaPlayer.h"

#include "player/movie/controller/PlayerController.h"
#include "player/movie/models/FLVModel.h"
#include "player/movie/models/ImageModel.h"
#include "player/movie/models/MP3Model.h"
#include "player/movie/remote/PlayerRemote.h"
#include "player/movie/views/CallbackView.h"
#include "player/movie/views/CaptionsView.h"
#include "player/movie/views/ControlbarView.h"
#include "player/movie/views/DisplayClip.h"
#include "player/movie/views/DisplayView.h"
#include "player/movie/views/EqualizerView.h"
#include "player/movie/views/InputView.h"
#include "player/movie/views/PlaylistView.h"
#include "player/movie/views/playlist/PlaylistArea.h"
#include "runtime/component/ComponentEnvironment.h"
#include "runtime/stream/VideoSurface.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QRandomGenerator>

namespace movie {

void MediaPlayer::setUp(const Feed& feed) {
    if (m_controller) return;
    m_feed = feed;
    makeModels();
    QList<MediaModel*> models;
    for (const auto& model : m_models) models.append(model.get());
    ControllerHost controllerHost{
        m_host.stage(), m_host.sharedObject(QStringLiteral("quorvel")),
        [this](const QUrl& url, const QString& window) { m_host.navigateToURL(url, window); },
        [](int bound) { return int(QRandomGenerator::global()->bounded(bound)); }};
    m_controller =
        std::make_unique<PlayerController>(m_config, m_feed, models, m_updates, m_requests, controllerHost);
    const ViewContext context{m_host.stage(), m_host.movie(), m_config, m_feed, m_updates, m_requests};
    makeViews(context);
    if (m_remote) m_remote->attach({m_feed, *m_controller, m_updates, m_requests});
    m_controller->start();
}

void MediaPlayer::makeModels() {
    ModelHost modelHost{m_streams, [this](const QString& command) {
                            m_host.fscommand(command, QString());
                            if (m_remote) m_remote->notify(m_requests, command);
                        }};
    m_models.push_back(std::make_unique<MP3Model>(m_config, modelHost));
    m_models.push_back(std::make_unique<FLVModel>(m_config, modelHost, m_video));
    auto image = std::make_unique<ImageModel>(m_config, m_image, m_network.get());
    image->setPlaylistLength(m_feed.size());
    m_models.push_back(std::move(image));
}

void MediaPlayer::makeViews(const ViewContext& context) {
    const Config& c = m_config;
    m_views.push_back(
        std::make_unique<DisplayView>(context, m_display, QList<QWidget*>{m_video, m_image}, m_activity));
    (new ControlbarView(context, m_player))->show();
    if (hasPlaylistRoom(c))
        new PlaylistView(context, m_player);
    else
        hiddenClip(QStringLiteral("playlist"));
    if (c.isTrue(configkey::kUseKeys)) m_views.push_back(std::make_unique<InputView>(context));
    if (c.isTrue(configkey::kShowEq)) {
        const auto levels = [this] { return m_controller ? m_controller->soundLevels() : QList<double>(); };
        (new EqualizerView(context, levels, m_player))->show();
    } else {
        hiddenClip(QStringLiteral("equalizer"));
    }
    // The captions view shows or hides itself by "usecaptions".
    if (m_feed.hasCaptions())
        new CaptionsView(context, m_player);
    else
        hiddenClip(QStringLiteral("captions"));
    // "enablejs" has no page script to talk to in this component, so no script bridge is made.
    if (c.has(configkey::kCallback)) m_views.push_back(std::make_unique<CallbackView>(context, *m_network));
}

void MediaPlayer::hiddenClip(const QString& name) {
    clip(name, m_player)->hide();
}

void registerMediaPlayer(runtime::ComponentEnvironment& environment, const runtime::StreamFactory& streams,
                         PlayerRemote* remote) {
    environment.programs.insert(QStringLiteral("MediaPlayer"), [streams, remote](runtime::MovieHost& host) {
        return std::make_unique<MediaPlayer>(host, streams, remote);
    });
}

}  // namespace movie
