#include "runtime/flv/FlvMetadata.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const runtime::FlvMetadataResult result = runtime::readFlvMetadata(bytes, qint64(size));
    if (result.ok) {
        // What the reader passes on must be usable as it is.
        const runtime::StreamMetadata& m = result.metadata;
        if (!std::isfinite(m.duration) || m.duration < 0 || !std::isfinite(m.width) || m.width < 0)
            std::abort();
        if (m.keyframeTimes.size() != m.keyframePositions.size()) std::abort();
        for (double p : m.keyframePositions)
            if (!(p >= 0 && p <= double(size))) std::abort();
    } else if (result.error.isEmpty()) {
        std::abort();
    }
    return 0;
}
