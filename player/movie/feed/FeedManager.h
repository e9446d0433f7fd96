#pragma once

#include "player/movie/feed/Feed.h"
#include "player/movie/feed/PlaylistSource.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;

namespace movie {

// Turns the movie's "file" value into the feed it plays: the file itself when its media type is a
// media type, else the playlist it names (local path, file:// or http(s) address). A playlist item that is
// itself a playlist is read in its place, up to kMaxPlaylistChain levels and kMaxPlaylistsPerLoad
// playlists; one that names a playlist already being read is left out, so no playlist can loop. A
// "playlist" whose content does not begin as markup is a video named like one and is played as such.
// Problems are told on standard error as "quorvel.movie: playlist <where>: <reason>".
class FeedManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxPlaylistChain = 4;
    static constexpr int kMaxPlaylistsPerLoad = 16;

    // `network` may be null: the manager then makes its own.
    explicit FeedManager(QNetworkAccessManager* network, QObject* parent = nullptr);

    // Starts reading; feedReady follows once, from the event loop (also for a single file). A new load
    // abandons the one in progress. `givenType` is the item's type when the configuration names one.
    void load(const QString& fileValue, const QString& givenType = QString());
    const Feed& feed() const { return m_feed; }

    void setTimeout(int milliseconds) { m_source.setTimeout(milliseconds); }

Q_SIGNALS:
    void feedReady(const movie::Feed& feed);

private:
    struct Frame {
        QUrl location;
        Feed feed;
        qsizetype next = 0;
    };

    // `item` is what names the playlist: the movie's "file", or an item of the playlist being read.
    void readPlaylist(const QUrl& location, const FeedItem& item);
    void onFetched(const QUrl& location, const FeedItem& item, const QByteArray& data, const QString& error);
    void appendToResult(const FeedItem& item, const QUrl& listedIn);
    // Walks the playlists being read, splicing their items into the result, until it must fetch or is done.
    void advance();
    // Why a nested playlist is not read, or an empty string when it may be.
    QString refusalFor(const QUrl& location) const;
    void finish(const Feed& feed);

    PlaylistSource m_source;
    QList<Frame> m_stack;
    Feed m_result;
    Feed m_feed;
    int m_playlistsRead = 0;
    bool m_truncated = false;
    quint64 m_generation = 0;
};

}  // namespace movie
