#include "player/movie/feed/Feed.h"

#include "player/movie/feed/MediaType.h"

#include <algorithm>

namespace movie {

bool Feed::hasCaptions() const {
    return std::any_of(m_items.cbegin(), m_items.cend(),
                       [](const FeedItem& item) { return !item.captions.isEmpty(); });
}

bool Feed::onlyAudio() const {
    return !m_items.isEmpty() && std::all_of(m_items.cbegin(), m_items.cend(), [](const FeedItem& item) {
        return item.type == mediatype::kMp3;
    });
}

}  // namespace movie
