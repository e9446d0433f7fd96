#include "platform/forms/DroppedFiles.h"

#include "platform/forms/UriList.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace platform::forms {
namespace {

// The file's name with its bad bytes replaced; a name that grew past the file system's limit
// that way is shortened to its extension.
QString linkName(const QByteArray& base) {
    constexpr qsizetype kNameMax = 255;
    QString mended = QString::fromUtf8(base);
    if (QFile::encodeName(mended).size() <= kNameMax) return mended;
    const QString suffix = mended.mid(mended.lastIndexOf(QLatin1Char('.')) + 1);
    if (mended.contains(QLatin1Char('.')) && suffix.size() <= 16) return QStringLiteral("dropped.") + suffix;
    return QStringLiteral("dropped");
}

}  // namespace

QList<QByteArray> droppedFiles(const QMimeData& data) {
    static const QString kUriList = QStringLiteral("text/uri-list");
    if (!data.hasFormat(kUriList)) return {};
    return localFilesOfUriList(data.data(kUriList));
}

DroppedFileNames::DroppedFileNames() = default;
DroppedFileNames::~DroppedFileNames() = default;

QString DroppedFileNames::pathFor(const QByteArray& nativePath, QString* error) {
    QString name = QFile::decodeName(nativePath);
    if (QFile::encodeName(name) == nativePath) return name;
    return linkTo(nativePath, error);
}

QString DroppedFileNames::linkTo(const QByteArray& nativePath, QString* error) {
    if (!m_links) {
        // mkdtemp: a new folder only we can enter, so nobody can swap a link under the player.
        m_links = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quorvel-drop-XXXXXX"));
        if (!m_links->isValid()) {
            if (error)
                *error = QStringLiteral("no private folder for dropped names: ") + m_links->errorString();
            m_links.reset();
            return QString();
        }
    }
    // Each link gets its own folder and keeps the file's own name, mended, so its extension
    // still tells the player what kind of file it is.
    QByteArray base = nativePath;
    while (base.size() > 1 && base.endsWith('/')) base.chop(1);
    base = base.mid(base.lastIndexOf('/') + 1);
    const QString folder = m_links->path() + QLatin1Char('/') + QString::number(++m_linkCount);
    QString link = folder + QLatin1Char('/') + linkName(base);
    if (!QDir().mkdir(folder)) {
        if (error) *error = QStringLiteral("cannot create %1").arg(folder);
        return QString();
    }
    if (::symlink(nativePath.constData(), QFile::encodeName(link).constData()) != 0) {
        if (error)
            *error =
                QStringLiteral("cannot link %1: %2").arg(link, QString::fromLocal8Bit(std::strerror(errno)));
        return QString();
    }
    return link;
}

}  // namespace platform::forms
