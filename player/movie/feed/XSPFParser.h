#pragma once

namespace movie {

class FeedBuilder;
class PlaylistXml;

// XSPF: the reader stands on <playlist>; every <track> of <trackList> becomes a feed item. The movie's
// own details travel in <meta rel="type|captions|start|category">.
class XSPFParser {
public:
    static void parse(PlaylistXml& xml, FeedBuilder& builder);
};

}  // namespace movie
