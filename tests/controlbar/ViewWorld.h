#pragma once

// A stage with the movie's icons, configuration, feed and signal hubs, for building the movie's
// views on their own, as the player does, without a controller.

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/ViewContext.h"
#include "runtime/component/Stage.h"
#include "runtime/moviefile/MovieFile.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QVariant>
#include <QWidget>

#include <memory>

class ViewWorld {
public:
    using Request = QPair<movie::Request, QVariant>;

    explicit ViewWorld(int width = 320, int height = 260) {
        m_root.resize(width, height);
        m_stage = std::make_unique<runtime::Stage>(&m_root, 20);
        const QDir assets(qEnvironmentVariable("QUORVEL_SOURCE_DIR") +
                          QStringLiteral("/player/movie/assets"));
        for (const QString& name : assets.entryList({QStringLiteral("*.svg")})) {
            QFile file(assets.filePath(name));
            if (file.open(QIODevice::ReadOnly)) m_movie.assets.append({name, file.readAll()});
        }
        setHostConfig(width, height);
        QObject::connect(&m_requests, &movie::ViewRequests::request, &m_root,
                         [this](movie::Request request, const QVariant& argument) {
                             sent.append({request, argument});
                         });
    }

    // The configuration as the player reads it for the host: no "displayheight" given.
    void setHostConfig(int width, int height) {
        const QList<QPair<QString, QString>> defaults = {
            {"frontcolor", "0"},       {"backcolor", "16777215"},  {"lightcolor", "0"},
            {"autoscroll", "false"},   {"largecontrols", "false"}, {"showdigits", "true"},
            {"showeq", "false"},       {"showicons", "true"},      {"thumbsinplaylist", "false"},
            {"usefullscreen", "true"}, {"volume", "80"},           {"usecaptions", "true"}};
        for (const auto& [key, value] : defaults) config.set(key, value);
        config.set(QStringLiteral("width"), width);
        config.set(QStringLiteral("height"), height);
        config.set(QStringLiteral("displaywidth"), width);
        config.set(QStringLiteral("displayheight"), height - 20);
    }

    void setItems(int count, const QString& type = QStringLiteral("flv")) {
        QList<movie::FeedItem> items;
        for (int i = 0; i < count; ++i) {
            movie::FeedItem item;
            item.file = QStringLiteral("/media/clip%1.%2").arg(i).arg(type);
            item.type = type;
            item.title = QStringLiteral("Clip %1").arg(i);
            items.append(item);
        }
        feed = movie::Feed(items);
    }

    movie::ViewContext context() { return {*m_stage, m_movie, config, feed, updates, m_requests}; }
    QWidget& root() { return m_root; }
    runtime::Stage& stage() { return *m_stage; }
    movie::ViewRequests& requests() { return m_requests; }

    movie::Config config;
    movie::Feed feed;
    movie::ViewUpdates updates;
    QList<Request> sent;

private:
    runtime::Movie m_movie;
    movie::ViewRequests m_requests;
    std::unique_ptr<runtime::Stage> m_stage;
    QWidget m_root;  // last, so that the views on it go before everything they refer to
};
