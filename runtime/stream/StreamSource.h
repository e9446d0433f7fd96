#pragma once

#include "runtime/stream/StreamStatus.h"

#include <QString>

namespace runtime {

// What a play() address turns out to be, decided before libmpv sees it.
struct StreamSource {
    enum class Kind { Local, Http, Rtmp, Refused };
    Kind kind = Kind::Refused;
    QString location;      // the absolute path or the address handed to libmpv
    QString scheme;        // lower-case; empty for a local path
    qint64 fileSize = -1;  // local files only
    QString error;         // why it was refused
    NotFound refusal = NotFound::Missing;
};

// Local paths (or file: URLs) must name a readable, non-empty regular file: folders, FIFOs and
// devices are refused here so that opening them can neither hang nor turn into a playlist.
// http and https addresses are passed on, and so are rtmp, rtmps, rtmpt and rtmpts ones, which libmpv's
// own RTMP client plays; every other scheme is refused.
StreamSource resolveStreamSource(const QString& url);

// The protocols a source may reach, itself and whatever its format fetches (HLS or concat lists):
// only what it came from, so a local file cannot make us go on the network, and an RTMP stream
// reaches nothing but its own protocol and the transports under it.
QString allowedProtocols(const StreamSource& source);

}  // namespace runtime
