#include "player/movie/captions/Caption.h"

#include <algorithm>

namespace movie {

void sortCaptions(CaptionList& captions) {
    std::stable_sort(captions.begin(), captions.end(),
                     [](const Caption& a, const Caption& b) { return a.start < b.start; });
}

const Caption* captionAt(const CaptionList& captions, double seconds) {
    // The last caption that has started is found by binary search; when it has already ended, an earlier,
    // longer one may still be showing, so look back from there.
    auto started = std::upper_bound(captions.cbegin(), captions.cend(), seconds,
                                    [](double time, const Caption& caption) { return time < caption.start; });
    while (started != captions.cbegin()) {
        --started;
        if (seconds < started->end) return &*started;
    }
    return nullptr;
}

}  // namespace movie
