#include "mpris/SupportedMedia.h"

namespace mpris {

QStringList supportedUriSchemes() {
    return {QStringLiteral("file"),  QStringLiteral("http"),  QStringLiteral("https"), QStringLiteral("rtmp"),
            QStringLiteral("rtmps"), QStringLiteral("rtmpt"), QStringLiteral("rtmpts")};
}

QStringList supportedMimeTypes() {
    return {QStringLiteral("video/x-flv"),         QStringLiteral("video/x-f4v"),
            QStringLiteral("video/mp4"),           QStringLiteral("video/x-m4v"),
            QStringLiteral("video/quicktime"),     QStringLiteral("audio/mpeg"),
            QStringLiteral("image/jpeg"),          QStringLiteral("image/png"),
            QStringLiteral("image/gif"),           QStringLiteral("application/xspf+xml"),
            QStringLiteral("application/rss+xml"), QStringLiteral("application/atom+xml")};
}

}  // namespace mpris
