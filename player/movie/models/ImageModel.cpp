#include "player/movie/models/ImageModel.h"

#include "player/movie/feed/MediaType.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

#include <cmath>

namespace movie {

namespace {
// Pictures are small; anything far larger is not one we show.
constexpr qint64 kMaxPictureBytes = qint64{16} * 1024 * 1024;
constexpr int kMaxPictureSide = 8192;
}  // namespace

ImageModel::ImageModel(const Config& config, QLabel* image, QNetworkAccessManager* network, QObject* parent)
    : MediaModel(parent), m_config(config), m_image(image), m_network(network) {
    m_rotation.setInterval(1000);
    connect(&m_rotation, &QTimer::timeout, this, &ImageModel::tick);
    if (m_image) m_image->setScaledContents(true);
}

ImageModel::~ImageModel() {
    dropReply();
}

void ImageModel::dropReply() {
    // Cleared first, so the aborted reply's end is not taken for a failure.
    if (QNetworkReply* reply = m_reply.data()) {
        m_reply = nullptr;
        reply->abort();
    }
}

bool ImageModel::accepts(const QString& type) const {
    return type == mediatype::kJpg || type == mediatype::kGif || type == mediatype::kPng;
}

void ImageModel::setItem(const FeedItem& item) {
    if (item.file != m_item.file) m_elapsed = 0;
    m_item = item;
}

void ImageModel::start(std::optional<double>) {
    m_started = true;
    if (m_loadedFile != m_item.file) {
        loadPicture();
        return;
    }
    if (m_image) m_image->show();
    Q_EMIT state(PlayerState::Playing);
    if (m_playlistLength > 1) m_rotation.start();
}

void ImageModel::pause(std::optional<double>) {
    m_started = false;
    m_rotation.stop();
    // A paused picture is still shown, as a paused video shows its frame.
    if (m_loadedFile != m_item.file && !m_reply) return loadPicture();
    Q_EMIT state(PlayerState::Paused);
}

void ImageModel::stop() {
    m_started = false;
    m_rotation.stop();
    dropReply();
    m_loadedFile.clear();
    m_elapsed = 0;
    if (m_image) {
        m_image->clear();
        m_image->hide();
    }
}

void ImageModel::tick() {
    const double rotate = m_config.number(configkey::kRotateTime);
    m_elapsed += 1;
    Q_EMIT time(m_elapsed, std::max(0.0, rotate - m_elapsed));
    if (m_elapsed < rotate) return;
    m_rotation.stop();
    m_elapsed = 0;
    Q_EMIT state(PlayerState::Completed);
    Q_EMIT completed(false);
}

QPixmap ImageModel::picture() const {
    return m_image ? m_image->pixmap() : QPixmap();
}

void ImageModel::loadPicture() {
    dropReply();
    Q_EMIT state(PlayerState::Buffering);
    Q_EMIT load(0);
    const QUrl url = QUrl::fromUserInput(m_item.file, QString(), QUrl::AssumeLocalFile);
    if (url.isLocalFile()) {
        QFile file(url.toLocalFile());
        if (file.size() > kMaxPictureBytes || !file.open(QIODevice::ReadOnly)) return fail();
        return pictureArrived(file.read(kMaxPictureBytes));
    }
    if ((url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) || !m_network)
        return fail();
    m_reply = m_network->get(QNetworkRequest(url));
    QNetworkReply* reply = m_reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64 total) {
        if (received > kMaxPictureBytes)
            reply->abort();
        else if (total > 0)
            Q_EMIT load(std::round(100.0 * double(received) / double(total)));
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        if (reply != m_reply) return;
        m_reply = nullptr;
        if (reply->error() != QNetworkReply::NoError) return fail();
        pictureArrived(reply->readAll());
    });
}

void ImageModel::pictureArrived(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    const QSize dimensions = reader.size();
    if (!dimensions.isValid() || dimensions.width() > kMaxPictureSide ||
        dimensions.height() > kMaxPictureSide)
        return fail();
    const QImage picture = reader.read();
    if (picture.isNull()) return fail();
    m_loadedFile = m_item.file;
    if (m_image) m_image->setPixmap(QPixmap::fromImage(picture));
    Q_EMIT load(100);
    Q_EMIT size(picture.width(), picture.height());
    if (m_image) m_image->show();
    if (m_started) {
        start(std::nullopt);
    } else {
        Q_EMIT state(PlayerState::Paused);
    }
}

void ImageModel::fail() {
    Q_EMIT state(PlayerState::Completed);
    Q_EMIT completed(true);
}

}  // namespace movie
