#pragma once

#include "player/movie/feed/Feed.h"

#include <QByteArray>
#include <QUrl>

namespace movie {

struct PlaylistResult {
    Feed feed;
    QString error;   // why the playlist was refused; the feed is then empty
    QString notice;  // something worth telling about an accepted playlist (items left out)
};

// Reads an RSS, Atom or XSPF playlist, chosen by its root element. Relative locations resolve against
// `location`, the playlist's own address (may be empty). Oversized, malformed, DTD-carrying or too deeply
// nested documents are refused whole.
PlaylistResult parsePlaylist(const QByteArray& data, const QUrl& location);

}  // namespace movie
