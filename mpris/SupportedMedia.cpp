#include "mpris/SupportedMedia.h"

namespace mpris {

QStringList supportedUriSchemes() {
    return {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https")};
}

QStringList supportedMimeTypes() {
    return {QStringLiteral("video/x-flv"),         QStringLiteral("audio/mpeg"),
            QStringLiteral("image/jpeg"),          QStringLiteral("image/png"),
            QStringLiteral("image/gif"),           QStringLiteral("application/xspf+xml"),
            QStringLiteral("application/rss+xml"), QStringLiteral("application/atom+xml")};
}

}  // namespace mpris
