#pragma once

#include <QString>

namespace runtime {

// What a play() address turns out to be, decided before libmpv sees it.
struct StreamSource {
    enum class Kind { Local, Http, Refused };
    Kind kind = Kind::Refused;
    QString location;      // the absolute path or the http(s) address handed to libmpv
    qint64 fileSize = -1;  // local files only
    QString error;         // why it was refused
};

// Local paths (or file: URLs) must name a readable, non-empty regular file: folders, FIFOs and
// devices are refused here so that opening them can neither hang nor turn into a playlist.
// http and https addresses are passed on; every other scheme is refused.
StreamSource resolveStreamSource(const QString& url);

}  // namespace runtime
