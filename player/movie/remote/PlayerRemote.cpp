#include "player/movie/remote/PlayerRemote.h"

#include "player/movie/controller/PlayerController.h"
#include "player/movie/core/PlayerSignals.h"

namespace movie {

void PlayerRemote::attach(const Player& player) {
    m_relay = std::make_unique<QObject>();
    m_player.emplace(player);
    QObject* relay = m_relay.get();
    connect(&player.updates, &ViewUpdates::time, relay,
            [this](double elapsed, double remaining) { Q_EMIT time(elapsed, remaining); });
    connect(&player.updates, &ViewUpdates::volume, relay,
            [this](int volume) { Q_EMIT volumeChanged(volume); });
    connect(&player.updates, &ViewUpdates::item, relay, [this](int index) { Q_EMIT itemChanged(index); });
    connect(&player.requests, &ViewRequests::request, relay,
            [this](Request request, const QVariant& argument) { Q_EMIT requested(request, argument); });
    Q_EMIT playerChanged();
}

bool PlayerRemote::isAttached(const ViewRequests& player) const {
    return m_player && &m_player->requests == &player;
}

void PlayerRemote::detach(const ViewRequests& player) {
    if (!isAttached(player)) return;
    m_relay.reset();
    m_player.reset();
    Q_EMIT playerChanged();
}

void PlayerRemote::notify(const ViewRequests& player, const QString& command) {
    if (isAttached(player)) Q_EMIT notified(command);
}

const Feed& PlayerRemote::feed() const {
    static const Feed kNoFeed;
    return m_player ? m_player->feed : kNoFeed;
}

int PlayerRemote::currentItem() const {
    return m_player ? m_player->controller.currentItem() : 0;
}

int PlayerRemote::volume() const {
    return m_player ? m_player->controller.volume() : 0;
}

void PlayerRemote::request(Request request, const QVariant& argument) {
    if (m_player) m_player->requests.send(request, argument);
}

}  // namespace movie
