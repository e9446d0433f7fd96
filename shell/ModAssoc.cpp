#include "shell/ModAssoc.h"

namespace shell {

using namespace platform;

namespace {

QString withDot(const QString& extension) {
    return extension.contains(QLatin1Char('.')) ? extension : QLatin1Char('.') + extension;
}

// Spaces only, as the classic Trim: tabs and line ends are part of a name.
QString trimSpaces(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

}  // namespace

ModAssoc::ModAssoc(Registry& registry) : m_registry(registry) {}

LONG ModAssoc::setDefault(const QString& key, const QString& subKey, const QString& data) {
    HKEY handle = 0;
    if (const LONG status = m_registry.RegCreateKeyA(HKEY_CLASSES_ROOT, key, &handle);
        status != ERROR_SUCCESS)
        return status;
    const LONG status = m_registry.RegSetValueA(handle, subKey, REG_SZ, data);
    const LONG closed = m_registry.RegCloseKey(handle);
    return status != ERROR_SUCCESS ? status : closed;
}

bool ModAssoc::AssociateExtension(const QString& executablePath, const QString& extension) {
    const QString fileType = GetFileName(executablePath);
    return setDefault(withDot(extension), QString(), fileType) == ERROR_SUCCESS &&
           setDefault(fileType, QStringLiteral("shell\\open\\command"),
                      executablePath + QStringLiteral(" %1")) == ERROR_SUCCESS &&
           setDefault(fileType, QStringLiteral("DefaultIcon"), executablePath) == ERROR_SUCCESS;
}

QString ModAssoc::GetFileName(const QString& path) {
    // The program's folder is a Linux path, so "/" separates as "\" does.
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    QString name = trimSpaces(path.mid(cut + 1));
    if (name.endsWith(QChar(0))) name.chop(1);
    return name;
}

QString ModAssoc::GetStringValue(HKEY root, const QString& subKey, const QString& valueName,
                                 const QString& def) {
    QString result = def;
    HKEY handle = 0;
    m_registry.RegOpenKeyA(root, subKey, &handle);
    DWORD type = 0, size = 0;
    if (m_registry.RegQueryValueExA(handle, valueName, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
        QByteArray buffer(static_cast<qsizetype>(size), ' ');
        m_registry.RegQueryValueExA(handle, valueName, &type, buffer.data(), &size);
        const qsizetype nul = buffer.indexOf('\0');
        result = QString::fromUtf8(nul < 0 ? buffer : buffer.left(nul));
    }
    m_registry.RegCloseKey(handle);
    return result;
}

void ModAssoc::DeleteValue(HKEY root, const QString& subKey, const QString& valueName) {
    HKEY handle = 0;
    m_registry.RegOpenKeyA(root, subKey, &handle);
    m_registry.RegDeleteValueA(handle, valueName);
    m_registry.RegCloseKey(handle);
}

void ModAssoc::RemoveAssociation(const QString& executablePath, const QString& extension) {
    const QString fileType = GetFileName(executablePath);
    if (fileType.isEmpty()) return;  // every value would "contain" an empty name
    const auto namesProgram = [&](const QString& subKey) {
        return GetStringValue(HKEY_CLASSES_ROOT, subKey, QString(), QString())
            .contains(fileType, Qt::CaseInsensitive);
    };
    const QString extensionKey = withDot(extension);
    if (GetStringValue(HKEY_CLASSES_ROOT, extensionKey, QString(), QString())
            .compare(fileType, Qt::CaseInsensitive) == 0)
        DeleteValue(HKEY_CLASSES_ROOT, extensionKey, QString());
    const QString command = fileType + QStringLiteral("\\shell\\open\\command");
    const QString icon = fileType + QStringLiteral("\\DefaultIcon");
    for (const QString& subKey : {command, icon}) {
        if (namesProgram(subKey)) DeleteValue(HKEY_CLASSES_ROOT, subKey, QString());
    }
}

}  // namespace shell
