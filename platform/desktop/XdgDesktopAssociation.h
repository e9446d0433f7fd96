#pragma once

#include "platform/desktop/DesktopAssociation.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace platform {

// The association through the XDG desktop-entry and MIME-applications formats: a desktop entry in
// <dataHome>/applications/ (named by its desktop ID, so it stands in for the installed one) and the
// user's default for video/x-flv in <configHome>/mimeapps.list. Files are replaced atomically; a
// symlinked mimeapps.list is edited at its target, a read-only one is left alone and the call
// fails. What an older version wrote under its former entry name is taken over or back as well.
class XdgDesktopAssociation : public DesktopAssociation {
public:
    XdgDesktopAssociation(QString dataHome, QString configHome, QString programPath);
    // The user's XDG folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME or their defaults).
    static XdgDesktopAssociation forUser(const QString& programPath);

    bool install(QString* error) override;
    bool remove(QString* error) override;

    QString entryPath() const;
    QString mimeAppsPath() const;

private:
    QString entryPath(const char* fileName) const;
    // Removes the entry at path when the association wrote it; true when none of ours is left.
    bool removeOwnEntry(const QString& path, QString* error) const;
    bool editMimeApps(const std::function<QByteArray(const QByteArray&)>& edit, QString* error) const;
    void refreshDatabase() const;

    QString m_dataHome;
    QString m_configHome;
    QString m_programPath;
};

// Writes bytes to path through a temporary file in the same folder, renamed over it at the end.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace platform
