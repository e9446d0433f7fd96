#include "platform/desktop/XdgDesktopAssociation.h"

#include "platform/desktop/DesktopEntry.h"
#include "platform/desktop/MimeAppsList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {
namespace {

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// The file a path names once symlinks are followed, even when the last one dangles.
QString resolved(const QString& path) {
    QFileInfo info(path);
    if (!info.isSymLink()) return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

}  // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(error, QStringLiteral("cannot create the folder of %1").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

XdgDesktopAssociation::XdgDesktopAssociation(QString dataHome, QString configHome, QString programPath)
    : m_dataHome(std::move(dataHome)),
      m_configHome(std::move(configHome)),
      m_programPath(std::move(programPath)) {}

XdgDesktopAssociation XdgDesktopAssociation::forUser(const QString& programPath) {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), programPath};
}

QString XdgDesktopAssociation::entryPath() const {
    return entryPath(desktop_entry::kFileName);
}

QString XdgDesktopAssociation::entryPath(const char* fileName) const {
    return m_dataHome + QStringLiteral("/applications/") + QLatin1String(fileName);
}

QString XdgDesktopAssociation::mimeAppsPath() const {
    return m_configHome + QStringLiteral("/mimeapps.list");
}

bool XdgDesktopAssociation::install(QString* error) {
    if (!writeFileAtomically(entryPath(), desktop_entry::entryText(m_programPath), error)) return false;
    // The default's line is replaced whole, so one an older version wrote goes with it.
    bool ok = editMimeApps(
        [](const QByteArray& content) {
            return mimeapps::withDefault(content, desktop_entry::kMimeType, desktop_entry::kFileName);
        },
        error);
    // An older version's entry left beside ours would list Quorvel twice in the menus.
    if (!removeOwnEntry(entryPath(desktop_entry::kFormerFileName), error)) ok = false;
    refreshDatabase();
    return ok;
}

bool XdgDesktopAssociation::remove(QString* error) {
    bool ok = editMimeApps(
        [](const QByteArray& content) {
            const QByteArray withoutOurs =
                mimeapps::withoutDefault(content, desktop_entry::kMimeType, desktop_entry::kFileName);
            return mimeapps::withoutDefault(withoutOurs, desktop_entry::kMimeType,
                                            desktop_entry::kFormerFileName);
        },
        error);
    for (const char* name : {desktop_entry::kFileName, desktop_entry::kFormerFileName}) {
        if (!removeOwnEntry(entryPath(name), error)) ok = false;
    }
    refreshDatabase();
    return ok;
}

bool XdgDesktopAssociation::removeOwnEntry(const QString& path, QString* error) const {
    QFile entry(path);
    if (!entry.open(QIODevice::ReadOnly)) return true;
    const bool ours = entry.readAll().split('\n').contains(QByteArray(desktop_entry::kMarkerLine));
    entry.close();
    if (ours && !entry.remove()) return fail(error, QStringLiteral("cannot remove %1").arg(path));
    return true;
}

bool XdgDesktopAssociation::editMimeApps(const std::function<QByteArray(const QByteArray&)>& edit,
                                         QString* error) const {
    const QString target = resolved(mimeAppsPath());
    QFile file(target);
    QByteArray content;
    if (file.exists()) {
        // Root may write anywhere; the missing write bit still says the user wants it kept as is.
        if (!QFileInfo(target).isWritable() || !(file.permissions() & QFileDevice::WriteOwner))
            return fail(error, QStringLiteral("%1 is read-only; it was left as it is").arg(target));
        if (!file.open(QIODevice::ReadOnly)) return fail(error, QStringLiteral("cannot read %1").arg(target));
        content = file.readAll();
        file.close();
    }
    const QByteArray edited = edit(content);
    if (edited == content) return true;
    return writeFileAtomically(target, edited, error);
}

void XdgDesktopAssociation::refreshDatabase() const {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (tool.isEmpty()) return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, {m_dataHome + QStringLiteral("/applications")});
    if (process.waitForStarted()) process.waitForFinished(20000);
}

}  // namespace platform
