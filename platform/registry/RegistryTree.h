#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace platform {

struct RegistryValue {
    QString name;  // empty for the key's default value
    quint32 type = 0;
    QByteArray data;
};

struct RegistryKey {
    QString path;                         // full path as first written, components joined by "\"
    QMap<QString, RegistryValue> values;  // by case-folded name
};

// Keys by full path ("HKEY_CLASSES_ROOT\.flv\..."), compared without regard to case as the
// Windows registry does. A key's ancestors always exist.
class RegistryTree {
public:
    // Windows' limit on one component of a key path.
    static constexpr int kMaxComponentLength = 255;

    static QString fold(const QString& name) { return name.toCaseFolded(); }
    // Non-empty components of at most kMaxComponentLength characters, none holding a NUL.
    static bool isValidPath(const QString& path);
    static QString parentOf(const QString& path);

    const RegistryKey* key(const QString& path) const;
    RegistryKey* key(const QString& path);
    // Creates the key and its missing ancestors; returns whether anything was added.
    bool createKey(const QString& path);
    // Adds one key whose parent (if any) is already present; false if invalid or present.
    bool insertKey(const RegistryKey& key);
    const QMap<QString, RegistryKey>& keys() const { return m_keys; }

private:
    QMap<QString, RegistryKey> m_keys;  // folded path -> key; a parent sorts before its children
};

}  // namespace platform
