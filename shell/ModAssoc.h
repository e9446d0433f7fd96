#pragma once

#include "platform/registry/Registry.h"

#include <QString>

namespace shell {

// The association of a file extension with a program under HKEY_CLASSES_ROOT, and the two
// general registry helpers it is taken back with.
class ModAssoc {
public:
    explicit ModAssoc(platform::Registry& registry);

    // Points the extension ("flv" or ".flv") at the program's file-type key, whose
    // shell\open\command runs "<path> %1" and whose DefaultIcon is the path. Stops at the
    // first refused call; true when all three values were written.
    bool AssociateExtension(const QString& executablePath, const QString& extension);

    // The part after the last folder separator, trimmed of spaces, less one final NUL.
    static QString GetFileName(const QString& path);

    // A REG_SZ value up to its first NUL; def when the key, the value or the type is wrong.
    // An empty name reads the key's default value.
    QString GetStringValue(platform::HKEY root, const QString& subKey, const QString& valueName,
                           const QString& def);

    // Deletes one value; a missing key or value is not an error.
    void DeleteValue(platform::HKEY root, const QString& subKey, const QString& valueName);

    // Takes back the three values AssociateExtension writes, each only while it still names
    // the program's file, so an association made since by another program stays.
    void RemoveAssociation(const QString& executablePath, const QString& extension);

private:
    platform::LONG setDefault(const QString& key, const QString& subKey, const QString& data);

    platform::Registry& m_registry;
};

}  // namespace shell
