#include "fuzz/PlaylistFuzz.h"
#include "player/movie/feed/RSSParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzPlaylistParser<movie::RSSParser>(data, size);
}
