#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/models/MediaModel.h"

#include <QList>
#include <QUrl>

#include <functional>
#include <optional>

namespace runtime {
class SharedObject;
class Stage;
}  // namespace runtime

namespace movie {

// What the controller needs around it: the stage (size, display state), the local shared object
// that keeps the volume and captions choice, web navigation, and a random draw in [0, bound).
struct ControllerHost {
    runtime::Stage& stage;
    runtime::SharedObject& store;
    std::function<void(const QUrl& url, const QString& window)> navigate;
    std::function<int(int bound)> random;
};

// Runs the player: the start rule, the views' requests, the end of each item, stage resizes.
// Models report to it and it passes their updates on to the views; views never reach a model.
class PlayerController : public QObject {
    Q_OBJECT
public:
    PlayerController(Config& config, const Feed& feed, QList<MediaModel*> models, ViewUpdates& updates,
                     ViewRequests& requests, ControllerHost host, QObject* parent = nullptr);

    // Sends the first item and the volume to the models, then starts or stands paused at 0.
    void start();
    void handle(Request request, const QVariant& argument = QVariant());

    int currentItem() const { return m_current; }
    int volume() const { return int(m_config.number(configkey::kVolume)); }
    bool isPlaying() const { return m_playing; }
    // The current item's sound level (see MediaModel::soundLevels).
    QList<double> soundLevels() const { return m_model ? m_model->soundLevels() : QList<double>(); }

private:
    void wire();
    MediaModel* modelFor(int index) const;
    void setItem(int index);
    void playItem(int index);
    void sendStart(std::optional<double> position);
    void sendPause(std::optional<double> position);
    void setVolume(int volume);
    void applyVolume(int volume);
    void toggleFullScreen();
    void toggleCaptions();
    void openLink(int index);
    void onCompleted(bool failed);
    void onStageResized();
    int following(int index) const;
    void store(const QString& key, const QVariant& value);

    Config& m_config;
    const Feed& m_feed;
    QList<MediaModel*> m_models;
    ViewUpdates& m_updates;
    ViewRequests& m_requests;
    ControllerHost m_host;
    MediaModel* m_model = nullptr;
    int m_current = 0;
    bool m_playing = false;
    int m_played = 0;
    int m_failedInRow = 0;
};

}  // namespace movie
