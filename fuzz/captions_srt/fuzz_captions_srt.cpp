#include "player/movie/captions/SrtParser.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const movie::CaptionsResult result =
        movie::parseSrt(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!result.error.isEmpty() && !result.captions.isEmpty()) __builtin_trap();
    double previousStart = 0;
    for (const movie::Caption& caption : result.captions) {
        if (caption.start < previousStart || caption.end < caption.start || std::isnan(caption.end))
            __builtin_trap();
        previousStart = caption.start;
        movie::captionAt(result.captions, caption.start);
    }
    return 0;
}
