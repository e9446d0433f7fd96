#pragma once

#include "platform/registry/RegistryTree.h"

#include <QString>

namespace platform {

// The per-user keys kept in one file. A damaged file reads as empty, is reported once on
// standard error and is left as it is until the next successful write replaces it. The file
// is read again whenever it changed on disk, so a second running instance's writes are
// built upon instead of overwritten.
class RegistryStore {
public:
    explicit RegistryStore(QString filePath);

    // $XDG_DATA_HOME/quorvel/registry.qrv (~/.local/share when the variable is unset).
    static QString defaultFilePath();

    const RegistryTree& tree();
    // Writes the whole tree atomically; the in-memory tree changes only when the file did.
    bool commit(const RegistryTree& next, QString* error);
    const QString& filePath() const { return m_filePath; }

private:
    void load();
    QByteArray stamp() const;

    QString m_filePath;
    RegistryTree m_tree;
    bool m_loaded = false;
    QByteArray m_stamp;  // what the file looked like when last read or written
};

}  // namespace platform
