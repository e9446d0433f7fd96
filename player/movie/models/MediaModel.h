#pragma once

#include "player/movie/core/PlayerState.h"
#include "player/movie/feed/FeedItem.h"
#include "runtime/stream/StreamStatus.h"

#include <QList>
#include <QObject>

#include <optional>

namespace movie {

// One way of playing an item (video, sound, picture). The controller sends commands to the model
// that accepts the current item's type; the model reports back through its signals.
class MediaModel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~MediaModel() override = default;

    virtual bool accepts(const QString& type) const = 0;
    virtual void setItem(const FeedItem& item) = 0;
    // Positions in seconds; none keeps the current one.
    virtual void start(std::optional<double> position) = 0;
    virtual void pause(std::optional<double> position) = 0;
    virtual void stop() = 0;
    virtual void setVolume(int volume) = 0;
    // The sound's level now, one value from 0 to 1 per band; empty when nothing is measured.
    virtual QList<double> soundLevels() const { return {}; }

Q_SIGNALS:
    void state(movie::PlayerState state);
    void time(double elapsed, double remaining);
    void load(double percent);
    void size(double width, double height);
    // The item ended; failed when it could not be played at all (not found, not media).
    void completed(bool failed);
    // Said just before completed(true) when the item could not be opened at all.
    void unplayable(runtime::NotFound why);
};

}  // namespace movie
