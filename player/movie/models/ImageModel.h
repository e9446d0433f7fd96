#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/models/MediaModel.h"

#include <QPointer>
#include <QTimer>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;

namespace movie {

// Shows picture items (jpg, gif, png) in the "image" clip. In a playlist a started picture stays
// "rotatetime" seconds, then completes; it counts down only while started.
class ImageModel : public MediaModel {
    Q_OBJECT
public:
    ImageModel(const Config& config, QLabel* image, QNetworkAccessManager* network,
               QObject* parent = nullptr);
    ~ImageModel() override;

    bool accepts(const QString& type) const override;
    void setItem(const FeedItem& item) override;
    void start(std::optional<double> position) override;
    void pause(std::optional<double> position) override;
    void stop() override;
    void setVolume(int) override {}
    // A lone picture stays up; in a playlist it rotates.
    void setPlaylistLength(qsizetype length) { m_playlistLength = length; }

    // The rotation step, run every second by its timer; public so tests drive it.
    void tick();
    // The picture as loaded (null until it is).
    QPixmap picture() const;

private:
    void loadPicture();
    void pictureArrived(const QByteArray& data);
    void fail();
    void dropReply();

    const Config& m_config;
    QPointer<QLabel> m_image;
    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_reply;
    FeedItem m_item;
    QString m_loadedFile;
    double m_elapsed = 0;
    bool m_started = false;
    qsizetype m_playlistLength = 1;
    QTimer m_rotation;
};

}  // namespace movie
