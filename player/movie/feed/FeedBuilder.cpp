#include "player/movie/feed/FeedBuilder.h"

#include "player/movie/feed/MediaType.h"
#include "player/movie/feed/PlaylistXml.h"

namespace movie {

void FeedBuilder::add(FeedItem item) {
    item.file = resolve(item.file);
    if (item.file.isEmpty()) return;
    if (m_feed.size() >= kPlaylistMaxItems) {
        m_truncated = true;
        return;
    }
    item.image = resolve(item.image);
    item.captions = resolve(item.captions);
    item.type = mediaTypeOf(item.file, item.type);
    m_feed.append(item);
}

QString FeedBuilder::resolve(const QString& location) const {
    QString trimmed = location.trimmed();
    if (trimmed.isEmpty()) return QString();
    const QUrl reference(trimmed);
    // A one-letter scheme would be a drive letter, which is no scheme at all.
    if (reference.scheme().size() > 1) {
        // Absolute addresses stay exactly as written (stream addresses are picky), local files become paths.
        return reference.isLocalFile() ? reference.toLocalFile() : trimmed;
    }
    if (!m_base.isValid() || m_base.isEmpty() || !reference.isValid()) return trimmed;
    QUrl relative = reference;
    if (m_base.isLocalFile()) {
        // Local files have no query or fragment: "clip #1.flv" names a file, not clip with a fragment.
        QString path = trimmed;
        path.replace(u'#', QStringLiteral("%23")).replace(u'?', QStringLiteral("%3F"));
        relative = QUrl(path);
    }
    const QUrl resolved = m_base.resolved(relative);
    return resolved.isLocalFile() ? resolved.toLocalFile() : resolved.toString(QUrl::FullyEncoded);
}

}  // namespace movie
