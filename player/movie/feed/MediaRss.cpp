#include "player/movie/feed/MediaRss.h"

#include "player/movie/feed/FeedItem.h"
#include "player/movie/feed/MediaType.h"
#include "player/movie/feed/PlaylistXml.h"
#include "player/movie/feed/Seconds.h"

namespace movie {

namespace {

bool playable(const MediaRssFields& fields) {
    return !fields.file.isEmpty() && mediaTypeOf(fields.file, fields.type) != mediatype::kXml;
}

void readContent(PlaylistXml& xml, MediaRssFields& fields) {
    MediaRssFields content;
    content.file = xml.attribute(u"url");
    content.type = mediaTypeOfMime(xml.attribute(u"type"));
    content.duration = parseSeconds(xml.attribute(u"duration"));
    // A content element may carry its own thumbnail, credit or title.
    while (xml.readNextChild()) {
        if (!readMediaRss(xml, content)) xml.skipElement();
    }
    const bool better = fields.file.isEmpty() || (!playable(fields) && playable(content));
    if (better && !content.file.isEmpty()) {
        fields.file = content.file;
        fields.type = content.type;
        fields.duration = content.duration > 0 ? content.duration : 0;
    }
    if (fields.image.isEmpty()) fields.image = content.image;
    if (fields.credit.isEmpty()) fields.credit = content.credit;
    if (fields.title.isEmpty()) fields.title = content.title;
    if (fields.description.isEmpty()) fields.description = content.description;
}

}  // namespace

bool readMediaRss(PlaylistXml& xml, MediaRssFields& fields) {
    if (xml.isMedia(u"content")) {
        readContent(xml, fields);
    } else if (xml.isMedia(u"group")) {
        while (xml.readNextChild()) {
            if (!readMediaRss(xml, fields)) xml.skipElement();
        }
    } else if (xml.isMedia(u"thumbnail")) {
        if (fields.image.isEmpty()) fields.image = xml.attribute(u"url");
        xml.skipElement();
    } else if (xml.isMedia(u"credit")) {
        const QString credit = xml.readText().trimmed();
        if (fields.credit.isEmpty()) fields.credit = credit;
    } else if (xml.isMedia(u"title")) {
        const QString title = xml.readText().trimmed();
        if (fields.title.isEmpty()) fields.title = title;
    } else if (xml.isMedia(u"description")) {
        const QString description = xml.readText().trimmed();
        if (fields.description.isEmpty()) fields.description = description;
    } else {
        return false;
    }
    return true;
}

void completeItem(FeedItem& item, const MediaRssFields& media, const QString& enclosure,
                  const QString& enclosureType) {
    item.file = media.file.isEmpty() ? enclosure : media.file;
    item.type = media.file.isEmpty() ? enclosureType : media.type;
    item.duration = media.file.isEmpty() ? 0 : media.duration;
    item.image = media.image;
    if (item.author.isEmpty()) item.author = media.credit;
    if (item.title.isEmpty()) item.title = media.title;
    if (item.description.isEmpty()) item.description = media.description;
}

}  // namespace movie
