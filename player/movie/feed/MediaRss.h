#pragma once

#include <QString>

namespace movie {

class PlaylistXml;

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

}  // namespace movie
