#include "player/movie/feed/PlaylistParser.h"

#include "player/movie/feed/ATOMParser.h"
#include "player/movie/feed/FeedBuilder.h"
#include "player/movie/feed/PlaylistXml.h"
#include "player/movie/feed/RSSParser.h"
#include "player/movie/feed/XSPFParser.h"

namespace movie {

PlaylistResult parsePlaylist(const QByteArray& data, const QUrl& location) {
    PlaylistResult result;
    if (data.size() > kPlaylistMaxBytes) {
        result.error = QStringLiteral("larger than %1 bytes").arg(kPlaylistMaxBytes);
        return result;
    }
    PlaylistXml xml(data);
    FeedBuilder builder(location);
    if (!xml.readNextChild()) {
        result.error = xml.hasError() ? xml.errorString() : QStringLiteral("no root element");
        return result;
    }
    if (xml.isNamed(u"rss")) {
        RSSParser::parse(xml, builder);
    } else if (xml.isNamed(u"feed")) {
        ATOMParser::parse(xml, builder);
    } else if (xml.isNamed(u"playlist")) {
        XSPFParser::parse(xml, builder);
    } else {
        result.error = QStringLiteral("unknown root element <%1>").arg(xml.name());
        return result;
    }
    xml.finish();
    if (xml.hasError()) {
        result.error = xml.errorString();
        return result;
    }
    if (builder.truncated()) {
        result.notice = QStringLiteral("only the first %1 items are kept").arg(kPlaylistMaxItems);
    }
    result.feed = builder.takeFeed();
    return result;
}

}  // namespace movie
