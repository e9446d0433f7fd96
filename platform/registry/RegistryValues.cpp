// The value calls of Registry; the key calls are in Registry.cpp.
#include "platform/registry/Registry.h"

#include "platform/registry/RegistryStoreFile.h"

#include <cstring>

namespace platform {

LONG Registry::RegSetValueA(HKEY key, const QString& subKey, DWORD type, const QString& data) {
    if (type != REG_SZ) return ERROR_INVALID_PARAMETER;
    HKEY target = 0;
    if (const LONG status = RegCreateKeyA(key, subKey, &target); status != ERROR_SUCCESS) return status;
    const LONG status = RegSetValueExA(target, QString(), REG_SZ, data.toUtf8() + '\0');
    RegCloseKey(target);
    return status;
}

LONG Registry::RegSetValueExA(HKEY key, const QString& valueName, DWORD type, const QByteArray& data) {
    const Handle* h = handle(key);
    if (!h) return ERROR_INVALID_HANDLE;
    if (!(h->access & KEY_SET_VALUE) || h->root == HKEY_LOCAL_MACHINE) return ERROR_ACCESS_DENIED;
    if (data.size() > static_cast<qsizetype>(registry_store::kMaxDataBytes) ||
        valueName.toUtf8().size() > static_cast<qsizetype>(registry_store::kMaxNameBytes) ||
        valueName.contains(QChar(0)))
        return ERROR_INVALID_PARAMETER;
    RegistryTree next = m_store.tree();
    next.createKey(h->path);
    next.key(h->path)->values.insert(RegistryTree::fold(valueName), RegistryValue{valueName, type, data});
    return write(next);
}

LONG Registry::RegQueryValueExA(HKEY key, const QString& valueName, DWORD* type, char* data, DWORD* size) {
    const Handle* h = handle(key);
    if (!h) return ERROR_INVALID_HANDLE;
    if (!(h->access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    if (data && !size) return ERROR_INVALID_PARAMETER;
    const RegistryKey* k = treeOf(h->root).key(h->path);
    if (!k) return ERROR_FILE_NOT_FOUND;
    auto it = k->values.constFind(RegistryTree::fold(valueName));
    if (it == k->values.constEnd()) return ERROR_FILE_NOT_FOUND;
    const QByteArray& bytes = it->data;
    if (type) *type = it->type;
    if (!size) return ERROR_SUCCESS;
    const DWORD capacity = *size;
    *size = static_cast<DWORD>(bytes.size());
    if (!data) return ERROR_SUCCESS;
    if (capacity < *size) return ERROR_MORE_DATA;
    if (!bytes.isEmpty()) std::memcpy(data, bytes.constData(), static_cast<size_t>(bytes.size()));
    return ERROR_SUCCESS;
}

LONG Registry::RegDeleteValueA(HKEY key, const QString& valueName) {
    const Handle* h = handle(key);
    if (!h) return ERROR_INVALID_HANDLE;
    if (!(h->access & KEY_SET_VALUE) || h->root == HKEY_LOCAL_MACHINE) return ERROR_ACCESS_DENIED;
    const RegistryKey* k = m_store.tree().key(h->path);
    if (!k || !k->values.contains(RegistryTree::fold(valueName))) return ERROR_FILE_NOT_FOUND;
    RegistryTree next = m_store.tree();
    next.key(h->path)->values.remove(RegistryTree::fold(valueName));
    return write(next);
}

}  // namespace platform
