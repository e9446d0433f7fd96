#include "mpris/OpenUri.h"

#include "mpris/SupportedMedia.h"

#include <QUrl>

namespace mpris {

LoadTarget loadTargetOf(const QString& uri) {
    const QUrl url(uri, QUrl::StrictMode);
    if (uri.trimmed().isEmpty() || !url.isValid() || url.scheme().isEmpty())
        return {{}, QStringLiteral("malformed address: ") + uri};
    const QString scheme = url.scheme().toLower();
    if (!supportedUriSchemes().contains(scheme)) return {{}, QStringLiteral("unsupported scheme: ") + scheme};
    if (scheme == QLatin1String("file")) {
        if (!url.host().isEmpty()) return {{}, QStringLiteral("not a local file: ") + uri};
        const QString path = url.toLocalFile();
        if (path.isEmpty()) return {{}, QStringLiteral("no file in ") + uri};
        return {path, {}};
    }
    if (url.host().isEmpty()) return {{}, QStringLiteral("no host in ") + uri};
    return {url.toString(QUrl::FullyEncoded), {}};
}

}  // namespace mpris
