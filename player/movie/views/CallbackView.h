#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/ViewContext.h"

#include <QObject>

#include <QUrl>

class QNetworkAccessManager;

namespace movie {

// Tells the "callback" address when each item starts and ends: an HTTP GET with the item's
// file, title, id and "state" (start or end) in the query. Fire and forget: answers and
// failures are ignored. Only http and https addresses are called.
class CallbackView : public QObject {
    Q_OBJECT
public:
    CallbackView(const ViewContext& context, QNetworkAccessManager& network, QObject* parent = nullptr);

    // The address a report is sent to; empty when "callback" is not an http(s) address.
    QUrl reportUrl(int item, const QString& state) const;

private:
    void report(const QString& state);

    ViewContext m_context;
    QNetworkAccessManager& m_network;
    int m_item = 0;
    bool m_started = false;
    bool m_ended = false;
};

}  // namespace movie
