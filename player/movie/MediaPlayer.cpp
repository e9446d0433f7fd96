#include "player/movie/MediaPlayer.h"

#include "player/movie/controller/PlayerController.h"
#include "player/movie/core/ConfigReader.h"
#include "player/movie/feed/FeedManager.h"
#include "player/movie/models/MediaModel.h"
#include "player/movie/remote/PlayerRemote.h"
#include "player/movie/views/DisplayClip.h"
#include "runtime/component/SharedObject.h"
#include "runtime/component/Stage.h"
#include "runtime/stream/VideoSurface.h"

#include <QLabel>
#include <QNetworkAccessManager>

namespace movie {

namespace {
const QString kStoreName = QStringLiteral("quorvel");
}

MediaPlayer::MediaPlayer(runtime::MovieHost& host, runtime::StreamFactory streams, PlayerRemote* remote)
    : m_host(host),
      m_streams(std::move(streams)),
      m_remote(remote),
      m_network(std::make_unique<QNetworkAccessManager>()),
      m_lifetime(std::make_unique<QObject>()) {
    firstFrame();
}

MediaPlayer::~MediaPlayer() {
    if (m_remote) m_remote->detach(m_requests);
    // Views and the controller listen to the models; the models' streams draw into the clips.
    m_views.clear();
    m_controller.reset();
    m_models.clear();
    delete m_player.data();
}

void MediaPlayer::firstFrame() {
    runtime::Stage& stage = m_host.stage();
    stage.setScaleMode(QStringLiteral("noScale"));
    stage.setAlign(QStringLiteral("TL"));
    m_host.setContextMenu(
        {{QStringLiteral("À propos de Quorvel..."), QUrl(QStringLiteral("https://quorvel.org"))},
         {QStringLiteral("Aide en ligne"), QUrl(QStringLiteral("https://quorvel.org/aide"))}});
    makeClips();

    runtime::SharedObject& store = m_host.sharedObject(kStoreName);
    m_config = readConfig(m_host.rootVariables(), stage.stageWidth(), stage.stageHeight(),
                          {store.value(configkey::kVolume), store.value(configkey::kUseCaptions)});
    followStage();

    m_feedManager = std::make_unique<FeedManager>(m_network.get());
    QObject::connect(m_feedManager.get(), &FeedManager::feedReady, m_lifetime.get(),
                     [this](const Feed& feed) { setUp(feed); });
    m_feedManager->load(m_config.text(configkey::kFile));
}

QWidget* MediaPlayer::clip(const QString& name, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(name);
    return widget;
}

void MediaPlayer::makeClips() {
    QWidget* root = m_host.stage().root();
    m_player = clip(QStringLiteral("player"), root);
    m_player->setGeometry(root->rect());
    m_display = new DisplayClip(m_player);
    m_display->setGeometry(root->rect());
    m_video = new runtime::VideoSurface(m_display);
    m_video->setObjectName(QStringLiteral("video"));
    m_video->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_video->hide();
    m_image = new QLabel(m_display);
    m_image->setObjectName(QStringLiteral("image"));
    m_image->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_image->hide();

    // Busy until the feed is read, centred on the stage.
    m_activity = new QLabel(m_display);
    m_activity->setObjectName(QStringLiteral("activity"));
    m_activity->setText(QStringLiteral("…"));
    m_activity->adjustSize();
    m_activity->move(root->width() / 2 - m_activity->width() / 2,
                     root->height() / 2 - m_activity->height() / 2);
    m_player->show();
    m_display->show();
    m_activity->show();
}

void MediaPlayer::followStage() {
    // Connected before the controller's own resize handling, so the player clip has the new
    // size when the views lay themselves out.
    runtime::Stage& stage = m_host.stage();
    QObject::connect(&stage, &runtime::Stage::resized, m_lifetime.get(), [this] {
        runtime::Stage& resized = m_host.stage();
        if (m_player) m_player->setGeometry(resized.root()->rect());
        // While the feed is read there is no controller yet to follow the stage: the
        // configuration follows it here, so the views are laid out for the stage they find.
        if (!m_controller) applyStageResize(m_config, resized.stageWidth(), resized.stageHeight());
    });
}

}  // namespace movie
