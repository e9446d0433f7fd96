#include "runtime/component/MovieLoader.h"

#include <QFile>
#include <QUrl>

namespace runtime {

MovieUrl splitMovieUrl(const QString& url) {
    MovieUrl parts;
    const qsizetype q = url.indexOf(QLatin1Char('?'));
    parts.path = q < 0 ? url : url.left(q);
    if (q >= 0) {
        parts.query = url.mid(q + 1);
        const qsizetype hash = parts.query.indexOf(QLatin1Char('#'));
        if (hash >= 0) parts.query.truncate(hash);
    }
    if (parts.path.startsWith(QLatin1String("file:"))) parts.path = QUrl(parts.path).toLocalFile();
    return parts;
}

std::optional<Movie> readMovieFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > qint64(kMaxMovieLength)) {
        *error = QStringLiteral("file too large");
        return std::nullopt;
    }
    return decodeMovie(file.read(qint64(kMaxMovieLength)), error);
}

}  // namespace runtime
