#pragma once

namespace movie {

class FeedBuilder;
class PlaylistXml;

// RSS 2.0 with Media RSS: the reader stands on <rss>; every channel's <item> becomes a feed item.
class RSSParser {
public:
    static void parse(PlaylistXml& xml, FeedBuilder& builder);
};

}  // namespace movie
