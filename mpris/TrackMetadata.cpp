#include "mpris/TrackMetadata.h"

#include "mpris/MprisNames.h"

#include <QDBusObjectPath>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace mpris {

namespace {
const QString kTrackPrefix = QStringLiteral("/org/quorvel/track/");
const QString kTrackIdKey = QStringLiteral("mpris:trackid");

bool isAddress(const QString& file) {
    // A scheme of two letters or more: a one-letter one would be a drive.
    const QUrl url(file);
    return url.isValid() && url.scheme().size() > 1;
}
}  // namespace

QString trackIdOf(quint64 player, int item) {
    return kTrackPrefix + QString::number(player) + QLatin1Char('/') + QString::number(item);
}

QString addressOf(const QString& file) {
    if (file.isEmpty() || isAddress(file)) return file;
    return QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(file).absoluteFilePath()))
        .toString(QUrl::FullyEncoded);
}

QVariantMap metadataOf(const movie::FeedItem& item, const QString& trackId, double length) {
    QVariantMap map;
    map.insert(kTrackIdKey, QVariant::fromValue(QDBusObjectPath(trackId)));
    const QString name = isAddress(item.file) ? QUrl(item.file).fileName() : QFileInfo(item.file).fileName();
    map.insert(QStringLiteral("xesam:title"), item.title.isEmpty() ? name : item.title);
    map.insert(QStringLiteral("xesam:url"), addressOf(item.file));
    if (length > 0) map.insert(QStringLiteral("mpris:length"), qlonglong(length * kMicrosecondsPerSecond));
    if (!item.image.isEmpty()) map.insert(QStringLiteral("mpris:artUrl"), addressOf(item.image));
    if (!item.author.isEmpty()) map.insert(QStringLiteral("xesam:artist"), QStringList{item.author});
    return map;
}

QVariantMap noTrackMetadata() {
    return {{kTrackIdKey, QVariant::fromValue(QDBusObjectPath(kNoTrack))}};
}

}  // namespace mpris
