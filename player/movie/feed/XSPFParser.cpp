#include "player/movie/feed/XSPFParser.h"

#include "player/movie/feed/FeedBuilder.h"
#include "player/movie/feed/PlaylistXml.h"
#include "player/movie/feed/Seconds.h"

namespace movie {

namespace {

void readMeta(PlaylistXml& xml, FeedItem& item) {
    const QString rel = xml.attribute(u"rel").toLower();
    const QString value = xml.readText().trimmed();
    if (rel == u"type") {
        item.type = value;
    } else if (rel == u"captions") {
        item.captions = value;
    } else if (rel == u"start") {
        item.start = qMax(0.0, parseSeconds(value));
    } else if (rel == u"category") {
        item.category = value;
    }
}

void readTrack(PlaylistXml& xml, FeedBuilder& builder) {
    FeedItem item;
    while (xml.readNextChild()) {
        // A track may list several locations for the same media; the first is played.
        if (xml.isNamed(u"location")) {
            const QString location = xml.readText().trimmed();
            if (item.file.isEmpty()) item.file = location;
        } else if (xml.isNamed(u"title")) {
            item.title = xml.readText().trimmed();
        } else if (xml.isNamed(u"creator")) {
            item.author = xml.readText().trimmed();
        } else if (xml.isNamed(u"image")) {
            item.image = xml.readText().trimmed();
        } else if (xml.isNamed(u"info")) {
            item.link = xml.readText().trimmed();
        } else if (xml.isNamed(u"annotation")) {
            item.description = xml.readText().trimmed();
        } else if (xml.isNamed(u"identifier")) {
            item.id = xml.readText().trimmed();
        } else if (xml.isNamed(u"duration")) {
            // XSPF counts in milliseconds.
            const double milliseconds = parseSeconds(xml.readText());
            item.duration = milliseconds > 0 ? milliseconds / 1000.0 : 0;
        } else if (xml.isNamed(u"meta")) {
            readMeta(xml, item);
        } else {
            xml.skipElement();
        }
    }
    builder.add(item);
}

}  // namespace

void XSPFParser::parse(PlaylistXml& xml, FeedBuilder& builder) {
    while (xml.readNextChild()) {
        if (!xml.isNamed(u"trackList")) {
            xml.skipElement();
            continue;
        }
        while (xml.readNextChild()) {
            if (xml.isNamed(u"track")) {
                readTrack(xml, builder);
            } else {
                xml.skipElement();
            }
        }
    }
}

}  // namespace movie
