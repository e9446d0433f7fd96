#include "fuzz/PlaylistFuzz.h"
#include "player/movie/feed/ATOMParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzPlaylistParser<movie::ATOMParser>(data, size);
}
