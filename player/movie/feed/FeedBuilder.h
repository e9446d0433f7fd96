#pragma once

#include "player/movie/feed/Feed.h"

#include <QUrl>

namespace movie {

// Collects the items a parser reads: resolves their locations against the playlist's own location,
// settles each item's media type, drops items with nothing to play and keeps at most kPlaylistMaxItems.
class FeedBuilder {
public:
    explicit FeedBuilder(QUrl playlistLocation) : m_base(std::move(playlistLocation)) {}

    // item.type holds the type the playlist gave (the movie's own type name, or empty).
    void add(FeedItem item);
    // A location as the playlist wrote it, made absolute: a local path for local files, else an address.
    QString resolve(const QString& location) const;

    bool truncated() const { return m_truncated; }
    Feed takeFeed() { return std::move(m_feed); }

private:
    QUrl m_base;
    Feed m_feed;
    bool m_truncated = false;
};

}  // namespace movie
