#include "player/movie/feed/ATOMParser.h"

#include "player/movie/feed/FeedBuilder.h"
#include "player/movie/feed/MediaRss.h"
#include "player/movie/feed/MediaType.h"
#include "player/movie/feed/PlaylistXml.h"

namespace movie {

namespace {

QString readAuthorName(PlaylistXml& xml) {
    QString name;
    while (xml.readNextChild()) {
        if (xml.isNamed(u"name") && name.isEmpty()) {
            name = xml.readText().trimmed();
        } else {
            xml.skipElement();
        }
    }
    return name;
}

void readEntry(PlaylistXml& xml, FeedBuilder& builder) {
    FeedItem item;
    MediaRssFields media;
    QString enclosure;
    QString enclosureType;
    while (xml.readNextChild()) {
        if (readMediaRss(xml, media)) continue;
        if (xml.isNamed(u"title")) {
            item.title = xml.readText().trimmed();
        } else if (xml.isNamed(u"link")) {
            const QString rel = xml.attribute(u"rel");
            if (rel == u"enclosure" && enclosure.isEmpty()) {
                enclosure = xml.attribute(u"href");
                enclosureType = mediaTypeOfMime(xml.attribute(u"type"));
            } else if ((rel.isEmpty() || rel == u"alternate") && item.link.isEmpty()) {
                item.link = xml.attribute(u"href");
            }
            xml.skipElement();
        } else if (xml.isNamed(u"summary")) {
            item.description = xml.readText().trimmed();
        } else if (xml.isNamed(u"author")) {
            const QString name = readAuthorName(xml);
            if (item.author.isEmpty()) item.author = name;
        } else if (xml.isNamed(u"id")) {
            item.id = xml.readText().trimmed();
        } else if (xml.isNamed(u"category")) {
            if (item.category.isEmpty()) item.category = xml.attribute(u"term");
            xml.skipElement();
        } else {
            xml.skipElement();
        }
    }
    completeItem(item, media, enclosure, enclosureType);
    builder.add(item);
}

}  // namespace

void ATOMParser::parse(PlaylistXml& xml, FeedBuilder& builder) {
    while (xml.readNextChild()) {
        if (xml.isNamed(u"entry")) {
            readEntry(xml, builder);
        } else {
            xml.skipElement();
        }
    }
}

}  // namespace movie
