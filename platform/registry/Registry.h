#pragma once

#include "platform/registry/RegistryStore.h"
#include "platform/registry/RegistryTypes.h"
#include "platform/registry/SystemInformation.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace platform {

// The registry calls Quorvel's code makes, with Windows' return codes and semantics:
// HKEY_CLASSES_ROOT and HKEY_CURRENT_USER live in the per-user store; HKEY_LOCAL_MACHINE is
// read-only and holds only the System Information keys, answered from the lookup.
//
// Paths are "\"-separated and case-insensitive; value names too, the empty name being the
// key's default value. Data is bytes; strings are stored as UTF-8 with a terminating NUL.
// Every change is written through to the store before the call returns; a change the store
// cannot take is refused with ERROR_ACCESS_DENIED and leaves nothing changed.
class Registry {
public:
    Registry(QString storeFilePath, SystemInfoLookup systemInfo);

    LONG RegCreateKeyA(HKEY key, const QString& subKey, HKEY* result);
    LONG RegOpenKeyA(HKEY key, const QString& subKey, HKEY* result);
    LONG RegOpenKeyExA(HKEY key, const QString& subKey, DWORD options, REGSAM access, HKEY* result);
    LONG RegCloseKey(HKEY key);

    // Sets the default value of subKey (created as needed; empty means the key itself).
    // Only REG_SZ is accepted; the data's own length counts.
    LONG RegSetValueA(HKEY key, const QString& subKey, DWORD type, const QString& data);
    LONG RegSetValueExA(HKEY key, const QString& valueName, DWORD type, const QByteArray& data);
    // With data null, only the type and *size are given. With a buffer smaller than the value,
    // ERROR_MORE_DATA and *size set to what is needed.
    LONG RegQueryValueExA(HKEY key, const QString& valueName, DWORD* type, char* data, DWORD* size);
    LONG RegDeleteValueA(HKEY key, const QString& valueName);

    // Why the last refused write was refused, for callers that report it.
    const QString& lastWriteError() const { return m_lastWriteError; }

private:
    struct Handle {
        HKEY root = 0;
        QString path;  // full path, root name first
        REGSAM access = 0;
    };

    static const Handle* predefined(HKEY key);
    const Handle* handle(HKEY key) const;
    const RegistryTree& treeOf(HKEY root);
    LONG open(HKEY key, const QString& subKey, REGSAM access, bool create, HKEY* result);
    LONG write(const RegistryTree& next);
    HKEY addHandle(Handle h);

    RegistryStore m_store;
    SystemInfoLookup m_systemInfo;
    RegistryTree m_machine;
    QHash<HKEY, Handle> m_handles;
    HKEY m_nextHandle = 0x100;
    QString m_lastWriteError;
};

}  // namespace platform
