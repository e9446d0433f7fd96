#include "player/movie/captions/CaptionsBeside.h"

#include "player/movie/captions/TimedTextParser.h"
#include "player/movie/feed/Location.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <array>

namespace movie {

namespace {

// In the order they are preferred.
constexpr std::array<QStringView, 4> kExtensions = {u"srt", u"ttml", u"dfxp", u"xml"};
constexpr QStringView kMaybeTimedText = u"xml";
// The root element of any sensible document starts well within this.
constexpr qint64 kSniffBytes = qint64{64} * 1024;

bool holdsTimedText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    return isTimedTextDocument(file.read(kSniffBytes));
}

}  // namespace

QString captionsBeside(const QString& media) {
    const QUrl location = locationOf(media);
    if (!location.isLocalFile()) return QString();
    const QFileInfo info(location.toLocalFile());
    const QString base = info.completeBaseName();
    if (base.isEmpty() || !info.isFile()) return QString();
    // One pass over the folder finds every spelling of the extensions ("clip.SRT", "clip.Srt").
    std::array<QStringList, kExtensions.size()> found;
    QDirIterator folder(info.absolutePath(), QDir::Files | QDir::Hidden);
    while (folder.hasNext()) {
        folder.next();
        const QString name = folder.fileName();
        if (name.size() <= base.size() + 1 || !name.startsWith(base) || name.at(base.size()) != u'.')
            continue;
        const QString extension = name.sliced(base.size() + 1).toLower();
        for (std::size_t i = 0; i < kExtensions.size(); ++i) {
            if (extension == kExtensions.at(i)) found.at(i).append(folder.filePath());
        }
    }
    for (std::size_t i = 0; i < kExtensions.size(); ++i) {
        // Sorted, so the choice among spellings does not hang on the file system's order.
        found.at(i).sort();
        for (const QString& candidate : found.at(i)) {
            if (kExtensions.at(i) != kMaybeTimedText || holdsTimedText(candidate)) return candidate;
        }
    }
    return QString();
}

}  // namespace movie
