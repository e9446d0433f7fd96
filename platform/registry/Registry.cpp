#include "platform/registry/Registry.h"

#include "logging/LogCategories.h"

#include <array>

namespace platform {

Registry::Registry(QString storeFilePath, SystemInfoLookup systemInfo)
    : m_store(std::move(storeFilePath)), m_systemInfo(std::move(systemInfo)) {}

const Registry::Handle* Registry::predefined(HKEY key) {
    static const std::array<Handle, 3> roots{{
        {HKEY_CLASSES_ROOT, QStringLiteral("HKEY_CLASSES_ROOT"), KEY_ALL_ACCESS},
        {HKEY_CURRENT_USER, QStringLiteral("HKEY_CURRENT_USER"), KEY_ALL_ACCESS},
        {HKEY_LOCAL_MACHINE, QStringLiteral("HKEY_LOCAL_MACHINE"), KEY_READ},
    }};
    for (const Handle& root : roots) {
        if (root.root == key) return &root;
    }
    return nullptr;
}

const Registry::Handle* Registry::handle(HKEY key) const {
    if (const Handle* root = predefined(key)) return root;
    auto it = m_handles.constFind(key);
    return it == m_handles.constEnd() ? nullptr : &it.value();
}

const RegistryTree& Registry::treeOf(HKEY root) {
    return root == HKEY_LOCAL_MACHINE ? m_machine : m_store.tree();
}

HKEY Registry::addHandle(Handle h) {
    while (m_handles.contains(m_nextHandle) || predefined(m_nextHandle) || m_nextHandle == 0) ++m_nextHandle;
    m_handles.emplace(m_nextHandle, std::move(h));
    return m_nextHandle++;
}

LONG Registry::write(const RegistryTree& next) {
    if (m_store.commit(next, &m_lastWriteError)) return ERROR_SUCCESS;
    qCWarning(quorvel::log::registry, "write refused: %s", qUtf8Printable(m_lastWriteError));
    return ERROR_ACCESS_DENIED;
}

LONG Registry::open(HKEY key, const QString& subKey, REGSAM access, bool create, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = 0;
    const Handle* parent = handle(key);
    if (!parent) return ERROR_INVALID_HANDLE;
    const bool readOnly = parent->root == HKEY_LOCAL_MACHINE;
    if (access & MAXIMUM_ALLOWED) access = readOnly ? KEY_READ : KEY_ALL_ACCESS;
    if (readOnly && ((access & kWriteRights) || create)) return ERROR_ACCESS_DENIED;
    if (!subKey.isEmpty() && !RegistryTree::isValidPath(subKey)) return ERROR_BAD_PATHNAME;
    if (readOnly)
        m_machine =
            machineTree(predefined(HKEY_LOCAL_MACHINE)->path, m_systemInfo ? m_systemInfo() : QString());

    Handle opened{parent->root, parent->path, access};
    if (!subKey.isEmpty()) opened.path += QLatin1Char('\\') + subKey;
    if (!subKey.isEmpty() && !treeOf(parent->root).key(opened.path)) {
        if (!create) return ERROR_FILE_NOT_FOUND;
        if (!(parent->access & KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
        RegistryTree next = m_store.tree();
        next.createKey(opened.path);
        if (const LONG status = write(next); status != ERROR_SUCCESS) return status;
    }
    *result = addHandle(std::move(opened));
    return ERROR_SUCCESS;
}

LONG Registry::RegCreateKeyA(HKEY key, const QString& subKey, HKEY* result) {
    return open(key, subKey, KEY_ALL_ACCESS, true, result);
}

LONG Registry::RegOpenKeyA(HKEY key, const QString& subKey, HKEY* result) {
    return open(key, subKey, MAXIMUM_ALLOWED, false, result);
}

LONG Registry::RegOpenKeyExA(HKEY key, const QString& subKey, DWORD options, REGSAM access, HKEY* result) {
    if (options != 0) return ERROR_INVALID_PARAMETER;
    return open(key, subKey, access, false, result);
}

LONG Registry::RegCloseKey(HKEY key) {
    if (predefined(key)) return ERROR_SUCCESS;
    return m_handles.remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace platform
