#pragma once

#include "player/movie/feed/FeedItem.h"

#include <QList>
#include <QMetaType>

namespace movie {

// The list of items the movie plays, in playlist order.
class Feed {
public:
    Feed() = default;
    explicit Feed(QList<FeedItem> items) : m_items(std::move(items)) {}

    qsizetype size() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const FeedItem& at(qsizetype index) const { return m_items.at(index); }
    const QList<FeedItem>& items() const { return m_items; }
    void append(const FeedItem& item) { m_items.append(item); }

    // True when at least one item names a captions file.
    bool hasCaptions() const;
    // True when the feed has items and every one is audio ("mp3"); an empty feed is not an audio feed.
    bool onlyAudio() const;

    friend bool operator==(const Feed&, const Feed&) = default;

private:
    QList<FeedItem> m_items;
};

}  // namespace movie

Q_DECLARE_METATYPE(movie::Feed)
