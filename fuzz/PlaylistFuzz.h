#pragma once

#include "player/movie/feed/FeedBuilder.h"
#include "player/movie/feed/PlaylistXml.h"

#include <cstddef>
#include <cstdint>

// One playlist parser on any input: whatever the root element, the parser reads the document,
// so every input exercises it. What it keeps must respect the caps and be playable.
template <typename Parser>
int fuzzPlaylistParser(const uint8_t* data, size_t size) {
    if (size > static_cast<size_t>(movie::kPlaylistMaxBytes)) return 0;
    movie::PlaylistXml xml(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    movie::FeedBuilder builder(QUrl(QStringLiteral("http://example.test/lists/list.xml")));
    if (xml.readNextChild()) Parser::parse(xml, builder);
    xml.finish();
    const movie::Feed feed = builder.takeFeed();
    if (feed.size() > movie::kPlaylistMaxItems) __builtin_trap();
    for (const movie::FeedItem& item : feed.items()) {
        if (item.file.isEmpty() || item.type.isEmpty()) __builtin_trap();
    }
    return 0;
}
