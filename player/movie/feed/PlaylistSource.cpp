#include "player/movie/feed/PlaylistSource.h"

#include "player/movie/feed/ContentStart.h"
#include "player/movie/feed/PlaylistXml.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace movie {

namespace {
constexpr int kMaxRedirects = 5;
// Enough for a byte-order mark and the blanks before a document's first "<".
constexpr qint64 kHeadBytes = 4096;
}  // namespace

PlaylistSource::PlaylistSource(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent), m_network(network) {}

PlaylistSource::~PlaylistSource() {
    cancel();
}

void PlaylistSource::fetch(const QUrl& location, Done done) {
    cancel();
    m_done = std::move(done);
    const QString scheme = location.scheme().toLower();
    if (location.isLocalFile()) {
        fetchLocal(location);
    } else if (scheme == u"http" || scheme == u"https") {
        fetchRemote(location);
    } else {
        deliver({}, QStringLiteral("unsupported address"));
    }
}

void PlaylistSource::cancel() {
    ++m_generation;
    m_done = nullptr;
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_received.clear();
}

void PlaylistSource::fetchLocal(const QUrl& location) {
    QFile file(location.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) {
        deliver({}, file.errorString());
        return;
    }
    QByteArray data = file.read(kHeadBytes);
    if (isOtherThanMarkup(data)) {
        deliver(data, QString());
        return;
    }
    // Read one byte past the cap so that an oversized file is told apart from one exactly at it.
    data += file.read(kPlaylistMaxBytes + 1 - data.size());
    if (data.size() > kPlaylistMaxBytes) {
        deliver({}, QStringLiteral("larger than %1 bytes").arg(kPlaylistMaxBytes));
        return;
    }
    deliver(data, file.error() == QFileDevice::NoError ? QString() : file.errorString());
}

void PlaylistSource::fetchRemote(const QUrl& location) {
    QNetworkRequest request(location);
    request.setTransferTimeout(m_timeoutMs);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &PlaylistSource::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &PlaylistSource::onFinished);
}

void PlaylistSource::onReadyRead() {
    if (!m_reply) return;
    m_received += m_reply->read(kPlaylistMaxBytes + 1 - m_received.size());
    const bool otherThanMarkup = isOtherThanMarkup(m_received);
    if (!otherThanMarkup && m_received.size() <= kPlaylistMaxBytes) return;
    // Stop the transfer at once rather than download the rest of an oversized answer or of a video.
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    if (otherThanMarkup)
        deliver(m_received, QString());
    else
        deliver({}, QStringLiteral("larger than %1 bytes").arg(kPlaylistMaxBytes));
    m_received.clear();
}

void PlaylistSource::onFinished() {
    if (!m_reply) return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        m_received.clear();
        deliver({}, reply->errorString());
        return;
    }
    m_received += reply->read(kPlaylistMaxBytes + 1 - m_received.size());
    if (m_received.size() > kPlaylistMaxBytes && !isOtherThanMarkup(m_received)) {
        deliver({}, QStringLiteral("larger than %1 bytes").arg(kPlaylistMaxBytes));
    } else {
        deliver(m_received, QString());
    }
    m_received.clear();
}

bool PlaylistSource::isOtherThanMarkup(const QByteArray& head) const {
    return m_markupOnly && contentStartOf(head) == ContentStart::Other;
}

void PlaylistSource::deliver(const QByteArray& data, const QString& error) {
    const quint64 generation = m_generation;
    QTimer::singleShot(0, this, [this, generation, data, error] {
        if (generation != m_generation || !m_done) return;
        Done done = std::move(m_done);
        m_done = nullptr;
        done(data, error);
    });
}

}  // namespace movie
