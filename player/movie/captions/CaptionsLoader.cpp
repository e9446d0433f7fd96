#include "player/movie/captions/CaptionsLoader.h"

#include "logging/LogCategories.h"
#include "player/movie/captions/CaptionsReader.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QTimer>

namespace movie {

CaptionsLoader::CaptionsLoader(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent), m_source(network ? network : new QNetworkAccessManager(this), this) {}

void CaptionsLoader::load(const QString& location) {
    const QUrl url(location);
    // A one-letter scheme would be a drive letter; anything without a scheme is a local path.
    const QUrl address =
        url.scheme().size() > 1 ? url : QUrl::fromLocalFile(QFileInfo(location).absoluteFilePath());
    m_source.fetch(address, [this, location](const QByteArray& data, const QString& error) {
        CaptionsResult result;
        if (error.isEmpty()) result = parseCaptions(data, location);
        const QString reason = error.isEmpty() ? result.error : error;
        for (const QString& line : {reason, result.notice}) {
            if (!line.isEmpty())
                qCWarning(quorvel::log::movie).noquote()
                    << QStringLiteral("captions %1: %2").arg(location, line);
        }
        Q_EMIT captionsReady(result.captions);
    });
}

}  // namespace movie
