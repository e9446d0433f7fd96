#pragma once

namespace movie {

class FeedBuilder;
class PlaylistXml;

// Atom with Media RSS: the reader stands on <feed>; every <entry> becomes a feed item.
class ATOMParser {
public:
    static void parse(PlaylistXml& xml, FeedBuilder& builder);
};

}  // namespace movie
