#pragma once

#include <QString>

namespace movie {

class PlaylistXml;
struct FeedItem;

// What the Media RSS elements of one RSS item or Atom entry say.
struct MediaRssFields {
    QString file;
    QString type;  // the movie's media type from the MIME type, or empty
    double duration = 0;
    QString image;
    QString credit;
    QString title;
    QString description;
};

// Reads the current element into fields when it is media:content, media:thumbnail, media:credit,
// media:title, media:description or a media:group of these; returns false (reading nothing) otherwise.
// Among several media:content the first the movie can play wins.
bool readMediaRss(PlaylistXml& xml, MediaRssFields& fields);

// Fills the item from its Media RSS fields, the richer description; the plain enclosure stands
// in for the media when there is none, and the item's own texts win over the media's.
void completeItem(FeedItem& item, const MediaRssFields& media, const QString& enclosure,
                  const QString& enclosureType);

}  // namespace movie
