#include "player/movie/feed/FeedManager.h"

#include "logging/LogCategories.h"
#include "player/movie/captions/CaptionsBeside.h"
#include "player/movie/feed/ContentStart.h"
#include "player/movie/feed/Location.h"
#include "player/movie/feed/MediaType.h"
#include "player/movie/feed/PlaylistParser.h"
#include "player/movie/feed/PlaylistXml.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QTimer>

#include <algorithm>

namespace movie {

namespace {

// The same playlist reached by another spelling (symbolic link, "./", "%41") compares equal.
QUrl canonical(const QUrl& location) {
    if (location.isLocalFile()) {
        const QString path = QFileInfo(location.toLocalFile()).canonicalFilePath();
        if (!path.isEmpty()) return QUrl::fromLocalFile(path);
    }
    return location.adjusted(QUrl::NormalizePathSegments | QUrl::RemoveFragment);
}

void report(const QUrl& where, const QString& reason) {
    const QString place =
        where.isLocalFile() ? where.toLocalFile() : where.toDisplayString(QUrl::RemoveUserInfo);
    qCWarning(quorvel::log::movie).noquote() << QStringLiteral("playlist %1: %2").arg(place, reason);
}

}  // namespace

FeedManager::FeedManager(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent), m_source(network ? network : new QNetworkAccessManager(this), this) {
    m_source.setMarkupOnly(true);
}

void FeedManager::load(const QString& fileValue, const QString& givenType) {
    ++m_generation;
    m_source.cancel();
    m_stack.clear();
    m_result = Feed();
    m_playlistsRead = 0;
    m_truncated = false;
    FeedItem item;
    item.file = fileValue;
    item.type = mediaTypeOf(fileValue, givenType);
    if (item.type != mediatype::kXml) {
        // A lone video or sound file takes the captions lying beside it, as other players do.
        if (item.type == mediatype::kFlv || item.type == mediatype::kMp3)
            item.captions = captionsBeside(fileValue);
        finish(Feed({item}));
        return;
    }
    readPlaylist(locationOf(fileValue), item);
}

void FeedManager::readPlaylist(const QUrl& location, const FeedItem& item) {
    ++m_playlistsRead;
    m_source.fetch(location, [this, location, item](const QByteArray& data, const QString& error) {
        onFetched(location, item, data, error);
    });
}

void FeedManager::onFetched(const QUrl& location, const FeedItem& item, const QByteArray& data,
                            const QString& error) {
    if (!error.isEmpty()) {
        report(location, error);
    } else if (contentStartOf(data) != ContentStart::Markup) {
        // Not a playlist whatever its name: the video model plays what it can decode of it.
        FeedItem media = item;
        media.type = mediatype::kFlv.toString();
        appendToResult(media, location);
    } else {
        PlaylistResult parsed = parsePlaylist(data, location);
        if (!parsed.error.isEmpty()) report(location, parsed.error);
        if (!parsed.notice.isEmpty()) report(location, parsed.notice);
        m_stack.append(Frame{canonical(location), std::move(parsed.feed)});
    }
    advance();
}

void FeedManager::advance() {
    while (!m_stack.isEmpty()) {
        Frame& top = m_stack.last();
        if (top.next >= top.feed.size()) {
            m_stack.removeLast();
            continue;
        }
        const FeedItem& item = top.feed.at(top.next++);
        if (item.type != mediatype::kXml) {
            appendToResult(item, top.location);
            continue;
        }
        const QUrl nested = locationOf(item.file);
        const QString refusal = refusalFor(nested);
        if (!refusal.isEmpty()) {
            report(top.location, refusal);
            continue;
        }
        readPlaylist(nested, item);
        return;
    }
    finish(m_result);
}

void FeedManager::appendToResult(const FeedItem& item, const QUrl& listedIn) {
    if (m_result.size() < kPlaylistMaxItems) {
        m_result.append(item);
    } else if (!m_truncated) {
        m_truncated = true;
        report(listedIn, QStringLiteral("only the first %1 items are kept").arg(kPlaylistMaxItems));
    }
}

QString FeedManager::refusalFor(const QUrl& location) const {
    const QUrl wanted = canonical(location);
    const bool alreadyReading = std::any_of(
        m_stack.cbegin(), m_stack.cend(), [&wanted](const Frame& frame) { return frame.location == wanted; });
    if (alreadyReading) {
        return QStringLiteral("names %1, which is already being read").arg(wanted.toDisplayString());
    }
    if (m_stack.size() >= kMaxPlaylistChain) {
        return QStringLiteral("playlists nested deeper than %1 are not read").arg(kMaxPlaylistChain);
    }
    if (m_playlistsRead >= kMaxPlaylistsPerLoad) {
        return QStringLiteral("more than %1 playlists to read").arg(kMaxPlaylistsPerLoad);
    }
    if (location.isLocalFile() && !m_stack.last().location.isLocalFile()) {
        return QStringLiteral("a remote playlist may not name a local one");
    }
    return QString();
}

void FeedManager::finish(const Feed& feed) {
    const quint64 generation = m_generation;
    QTimer::singleShot(0, this, [this, generation, feed] {
        if (generation != m_generation) return;
        m_feed = feed;
        Q_EMIT feedReady(m_feed);
    });
}

}  // namespace movie
