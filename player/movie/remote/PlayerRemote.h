#pragma once

#include "player/movie/core/Requests.h"
#include "player/movie/feed/Feed.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

namespace movie {

class PlayerController;
class ViewRequests;
class ViewUpdates;

// The current player movie as seen from outside the component, for remote controls. It lives as
// long as the application; each player attaches once its controller is made and detaches when it
// goes, since every load replaces the player. Requests go to the controller by the road the
// control bar's presses take, so every view and the host's notifications follow.
class PlayerRemote : public QObject {
    Q_OBJECT
public:
    // What an attached player shares; everything referenced lives until its detach.
    struct Player {
        const Feed& feed;
        const PlayerController& controller;
        ViewUpdates& updates;
        ViewRequests& requests;
    };

    void attach(const Player& player);
    // A player is known by its requests hub; calls from one that is not attached are ignored.
    void detach(const ViewRequests& player);
    // The host notifications ("play", "pause") the player's models send.
    void notify(const ViewRequests& player, const QString& command);

    bool hasPlayer() const { return m_player.has_value(); }
    // Empty without a player.
    const Feed& feed() const;
    int currentItem() const;
    int volume() const;
    // Ignored without a player.
    void request(Request request, const QVariant& argument = QVariant());

Q_SIGNALS:
    void playerChanged();  // attached or detached
    void notified(const QString& command);
    void time(double elapsed, double remaining);
    void volumeChanged(int volume);
    void itemChanged(int index);
    // Every request the current controller receives, whoever made it (bar, keys, remote).
    void requested(movie::Request request, const QVariant& argument);

private:
    bool isAttached(const ViewRequests& player) const;

    std::optional<Player> m_player;
    // Owns the connections to the attached player's hubs, so a detach cuts them all.
    std::unique_ptr<QObject> m_relay;
};

}  // namespace movie
