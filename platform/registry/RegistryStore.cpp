#include "platform/registry/RegistryStore.h"

#include "logging/LogCategories.h"
#include "platform/registry/RegistryStoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

RegistryStore::RegistryStore(QString filePath) : m_filePath(std::move(filePath)) {}

QString RegistryStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/quorvel/registry.qrv");
}

QByteArray RegistryStore::stamp() const {
    const QFileInfo info(m_filePath);
    if (!info.exists()) return {};
    return QByteArray::number(info.size()) + ' ' +
           QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ' ' +
           QByteArray::number(info.metadataChangeTime().toMSecsSinceEpoch());
}

const RegistryTree& RegistryStore::tree() {
    if (!m_loaded || stamp() != m_stamp) load();
    return m_tree;
}

void RegistryStore::load() {
    m_loaded = true;
    m_stamp = stamp();
    m_tree = RegistryTree();
    QFile file(m_filePath);
    if (!file.exists()) return;
    QString why;
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
    } else if (file.size() > registry_store::kMaxFileSize) {
        why = QStringLiteral("file too large");
    } else if (auto tree = registry_store::decode(file.readAll(), &why)) {
        m_tree = std::move(*tree);
        return;
    }
    qCWarning(quorvel::log::registry,
              "the registry store %s cannot be read (%s); its keys are taken as empty",
              qUtf8Printable(QDir::toNativeSeparators(m_filePath)), qUtf8Printable(why));
}

bool RegistryStore::commit(const RegistryTree& next, QString* error) {
    const QByteArray bytes = registry_store::encode(next);
    // Whatever the caps refuse on reading (size, counts, lengths) is refused here, before it
    // could make the whole store unreadable.
    QString why;
    if (!registry_store::decode(bytes, &why)) {
        if (error) *error = QStringLiteral("the registry store cannot take this change (%1)").arg(why);
        return false;
    }
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = QStringLiteral("%1: %2").arg(m_filePath, file.errorString());
        return false;
    }
    m_tree = next;
    m_stamp = stamp();
    return true;
}

}  // namespace platform
