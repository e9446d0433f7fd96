#include "player/movie/captions/CaptionsLoader.h"

#include "logging/LogCategories.h"
#include "player/movie/captions/CaptionsReader.h"
#include "player/movie/feed/Location.h"

#include <QNetworkAccessManager>
#include <QTimer>

namespace movie {

CaptionsLoader::CaptionsLoader(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent), m_source(network ? network : new QNetworkAccessManager(this), this) {}

void CaptionsLoader::load(const QString& location) {
    m_source.fetch(locationOf(location), [this, location](const QByteArray& data, const QString& error) {
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
