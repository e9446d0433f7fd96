#include "player/movie/feed/FeedBuilder.h"
#include "player/movie/feed/PlaylistXml.h"
#include "player/movie/feed/RSSParser.h"

#include <cstddef>
#include <cstdint>

// Whatever the root element, the RSSParser reads the document, so every input exercises it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > static_cast<size_t>(movie::kPlaylistMaxBytes)) return 0;
    movie::PlaylistXml xml(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    movie::FeedBuilder builder(QUrl(QStringLiteral("http://example.test/lists/list.xml")));
    if (xml.readNextChild()) movie::RSSParser::parse(xml, builder);
    xml.finish();
    const movie::Feed feed = builder.takeFeed();
    if (feed.size() > movie::kPlaylistMaxItems) __builtin_trap();
    for (const movie::FeedItem& item : feed.items()) {
        if (item.file.isEmpty() || item.type.isEmpty()) __builtin_trap();
    }
    return 0;
}
