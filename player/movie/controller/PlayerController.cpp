#include "player/movie/controller/PlayerController.h"

#include "logging/LogCategories.h"
#include "player/movie/core/ConfigReader.h"
// Stage.h keeps a QPointer<QWidget>, which needs the whole class.
#include <QWidget>

#include "runtime/component/SharedObject.h"
#include "runtime/component/Stage.h"

namespace movie {

PlayerController::PlayerController(Config& config, const Feed& feed, QList<MediaModel*> models,
                                   ViewUpdates& updates, ViewRequests& requests, ControllerHost host,
                                   QObject* parent)
    : QObject(parent),
      m_config(config),
      m_feed(feed),
      m_models(std::move(models)),
      m_updates(updates),
      m_requests(requests),
      m_host(std::move(host)) {
    wire();
}

// Every binding between models, views and the stage, in one place. Updates from a model that is
// not playing the current item are dropped.
void PlayerController::wire() {
    for (MediaModel* model : m_models) {
        connect(model, &MediaModel::state, this, [this, model](PlayerState state) {
            if (model != m_model) return;
            Q_EMIT m_updates.state(state);
        });
        connect(model, &MediaModel::time, this, [this, model](double elapsed, double remaining) {
            if (model == m_model) Q_EMIT m_updates.time(elapsed, remaining);
        });
        connect(model, &MediaModel::load, this, [this, model](double percent) {
            if (model == m_model) Q_EMIT m_updates.load(percent);
        });
        connect(model, &MediaModel::size, this, [this, model](double width, double height) {
            if (model == m_model) Q_EMIT m_updates.size(width, height);
        });
        connect(model, &MediaModel::unplayable, this, [this, model](runtime::NotFound why) {
            if (model == m_model) Q_EMIT m_updates.unplayable(why);
        });
        connect(model, &MediaModel::completed, this, [this, model](bool failed) {
            if (model == m_model) onCompleted(failed);
        });
    }
    connect(&m_requests, &ViewRequests::request, this, &PlayerController::handle);
    connect(&m_host.stage, &runtime::Stage::resized, this, &PlayerController::onStageResized);
    connect(&m_host.stage, &runtime::Stage::displayStateChanged, this, [this](runtime::DisplayState state) {
        Q_EMIT m_updates.fullScreenChanged(state == runtime::DisplayState::FullScreen);
    });
}

void PlayerController::start() {
    if (m_feed.isEmpty()) return;
    setItem(0);
    applyVolume(std::clamp(volume(), 0, 100));
    if (!m_config.isTrue(configkey::kUseCaptions)) Q_EMIT m_updates.captionsChanged(false);
    const FeedItem& item = m_feed.at(0);
    if (m_config.text(configkey::kAutoStart) == QLatin1String("false") && !item.isCommercial())
        sendPause(0);
    else
        sendStart(item.start);
}

void PlayerController::handle(Request request, const QVariant& argument) {
    if (m_feed.isEmpty()) return;
    switch (request) {
        case Request::PlayPause:
            if (m_playing)
                sendPause(std::nullopt);
            else
                sendStart(std::nullopt);
            return;
        case Request::Scrub:
            if (m_playing)
                sendStart(argument.toDouble());
            else
                sendPause(argument.toDouble());
            return;
        case Request::Stop:
            sendPause(0);
            if (m_model) m_model->stop();
            setItem(m_current);
            return;
        case Request::Prev:
            playItem(m_current == 0 ? int(m_feed.size()) - 1 : m_current - 1);
            return;
        case Request::Next:
            playItem(following(m_current));
            return;
        case Request::Item: {
            const int index = argument.toInt();
            if (index >= 0 && index < m_feed.size()) playItem(index);
            return;
        }
        case Request::Volume:
            setVolume(argument.toInt());
            return;
        case Request::FullScreen:
            toggleFullScreen();
            return;
        case Request::Captions:
            toggleCaptions();
            return;
        case Request::GetLink:
            openLink(argument.isValid() ? argument.toInt() : m_current);
            return;
    }
    // A request value made from a number that names none.
    qCWarning(quorvel::log::movie, "unknown player request %d", int(request));
}

MediaModel* PlayerController::modelFor(int index) const {
    const QString type = m_feed.at(index).type;
    for (MediaModel* model : m_models)
        if (model->accepts(type)) return model;
    return nullptr;
}

void PlayerController::setItem(int index) {
    MediaModel* next = modelFor(index);
    if (m_model && m_model != next) m_model->stop();
    m_current = index;
    m_model = next;
    if (m_model) m_model->setItem(m_feed.at(index));
    Q_EMIT m_updates.item(index);
}

void PlayerController::playItem(int index) {
    setItem(index);
    sendStart(m_feed.at(index).start);
}

void PlayerController::sendStart(std::optional<double> position) {
    m_playing = true;
    if (m_model) {
        m_model->start(position);
        return;
    }
    // Nothing here plays this type: it ends at once, after this request is over.
    QMetaObject::invokeMethod(
        this, [this] { onCompleted(true); }, Qt::QueuedConnection);
}

void PlayerController::sendPause(std::optional<double> position) {
    m_playing = false;
    if (m_model) m_model->pause(position);
}

int PlayerController::following(int index) const {
    return (index + 1) % int(m_feed.size());
}

void PlayerController::onCompleted(bool failed) {
    m_playing = false;
    m_failedInRow = failed ? m_failedInRow + 1 : 0;
    // When every item in turn could not be played, going on would only spin through them.
    if (m_failedInRow >= m_feed.size()) {
        m_failedInRow = 0;
        m_played = 0;
        sendPause(0);
        return;
    }
    if (m_feed.at(m_current).isCommercial()) {
        playItem(following(m_current));
        return;
    }
    ++m_played;
    const QString repeat = m_config.text(configkey::kRepeat);
    if (repeat == QLatin1String("false") || (repeat == QLatin1String("list") && m_played >= m_feed.size())) {
        m_played = 0;
        sendPause(0);
        return;
    }
    if (m_config.isTrue(configkey::kShuffle) && m_host.random)
        playItem(std::clamp(m_host.random(int(m_feed.size())), 0, int(m_feed.size()) - 1));
    else
        playItem(following(m_current));
}

}  // namespace movie
