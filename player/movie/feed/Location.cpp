#include "player/movie/feed/Location.h"

#include <QFileInfo>

namespace movie {

QUrl locationOf(const QString& file) {
    QUrl url(file);
    if (url.scheme().size() > 1) return url;
    return QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
}

}  // namespace movie
