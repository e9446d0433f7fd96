#pragma once

#include "player/movie/core/PlayerState.h"
#include "player/movie/core/Requests.h"
#include "runtime/stream/StreamStatus.h"

#include <QObject>
#include <QString>
#include <QVariant>

namespace movie {

// What the views hear: the controller passes every model update and its own changes here,
// in one place. Views listen; they never call a model.
class ViewUpdates : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void state(movie::PlayerState state);
    void time(double elapsed, double remaining);
    void load(double percent);
    void volume(int volume);
    void item(int index);                    // a new current item
    void size(double width, double height);  // the picture's native size
    void captionsChanged(bool shown);
    void stageResized();  // after the configuration's sizes were updated
    void fullScreenChanged(bool fullScreen);
    void unplayable(runtime::NotFound why);  // the current item could not be opened
};

// What the views ask for; the controller handles each request.
class ViewRequests : public QObject {
    Q_OBJECT
public:
    void send(Request request, const QVariant& argument = QVariant()) {
        Q_EMIT this->request(request, argument);
    }
Q_SIGNALS:
    void request(movie::Request request, const QVariant& argument = QVariant());
};

}  // namespace movie
