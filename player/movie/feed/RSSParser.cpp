#include "player/movie/feed/RSSParser.h"

#include "player/movie/feed/FeedBuilder.h"
#include "player/movie/feed/MediaRss.h"
#include "player/movie/feed/MediaType.h"
#include "player/movie/feed/PlaylistXml.h"

namespace movie {

namespace {

void readItem(PlaylistXml& xml, FeedBuilder& builder) {
    FeedItem item;
    MediaRssFields media;
    QString enclosure;
    QString enclosureType;
    while (xml.readNextChild()) {
        if (readMediaRss(xml, media)) continue;
        if (xml.isNamed(u"title")) {
            item.title = xml.readText().trimmed();
        } else if (xml.isNamed(u"link")) {
            item.link = xml.readText().trimmed();
        } else if (xml.isNamed(u"description")) {
            item.description = xml.readText().trimmed();
        } else if (xml.isNamed(u"author") || xml.isNamed(u"creator")) {
            const QString author = xml.readText().trimmed();
            if (item.author.isEmpty()) item.author = author;
        } else if (xml.isNamed(u"guid")) {
            item.id = xml.readText().trimmed();
        } else if (xml.isNamed(u"category")) {
            const QString category = xml.readText().trimmed();
            if (item.category.isEmpty()) item.category = category;
        } else if (xml.isNamed(u"enclosure")) {
            if (enclosure.isEmpty()) {
                enclosure = xml.attribute(u"url");
                enclosureType = mediaTypeOfMime(xml.attribute(u"type"));
            }
            xml.skipElement();
        } else {
            xml.skipElement();
        }
    }
    completeItem(item, media, enclosure, enclosureType);
    builder.add(item);
}

}  // namespace

void RSSParser::parse(PlaylistXml& xml, FeedBuilder& builder) {
    while (xml.readNextChild()) {
        if (!xml.isNamed(u"channel")) {
            xml.skipElement();
            continue;
        }
        while (xml.readNextChild()) {
            if (xml.isNamed(u"item")) {
                readItem(xml, builder);
            } else {
                xml.skipElement();
            }
        }
    }
}

}  // namespace movie
