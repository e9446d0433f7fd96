#pragma once

#include <QString>

namespace movie {

// One entry of the movie's feed: what to play and what the playlist says about it.
struct FeedItem {
    QString file;  // local path or address of the media
    QString type;  // the movie's media type (see mediaTypeOf)
    QString title;
    QString author;
    QString description;
    QString link;   // a web page about the item
    QString image;  // preview picture
    QString id;
    QString captions;     // address of a captions file
    double start = 0;     // seconds into the media where playback starts
    double duration = 0;  // seconds; 0 when unknown
    QString category;

    // Commercial items are played through: the controller moves on at their end, and they start even
    // when automatic start is off.
    bool isCommercial() const { return category.compare(u"commercial", Qt::CaseInsensitive) == 0; }

    friend bool operator==(const FeedItem&, const FeedItem&) = default;
};

}  // namespace movie
