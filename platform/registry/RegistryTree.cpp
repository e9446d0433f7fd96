#include "platform/registry/RegistryTree.h"

namespace platform {

bool RegistryTree::isValidPath(const QString& path) {
    if (path.isEmpty()) return false;
    for (const QString& part : path.split(QLatin1Char('\\'))) {
        if (part.isEmpty() || part.size() > kMaxComponentLength || part.contains(QChar(0))) return false;
    }
    return true;
}

QString RegistryTree::parentOf(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QLatin1Char('\\'));
    return cut < 0 ? QString() : path.left(cut);
}

const RegistryKey* RegistryTree::key(const QString& path) const {
    auto it = m_keys.constFind(fold(path));
    return it == m_keys.constEnd() ? nullptr : &it.value();
}

RegistryKey* RegistryTree::key(const QString& path) {
    auto it = m_keys.find(fold(path));
    return it == m_keys.end() ? nullptr : &it.value();
}

bool RegistryTree::createKey(const QString& path) {
    if (key(path)) return false;
    const QString parent = parentOf(path);
    if (!parent.isEmpty()) createKey(parent);
    m_keys.insert(fold(path), RegistryKey{path, {}});
    return true;
}

bool RegistryTree::insertKey(const RegistryKey& newKey) {
    if (!isValidPath(newKey.path) || key(newKey.path)) return false;
    const QString parent = parentOf(newKey.path);
    if (!parent.isEmpty() && !key(parent)) return false;
    m_keys.insert(fold(newKey.path), newKey);
    return true;
}

}  // namespace platform
