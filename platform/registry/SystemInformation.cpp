#include "platform/registry/SystemInformation.h"

#include "platform/registry/RegistryTypes.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace platform {
namespace {

void putString(RegistryTree& tree, const QString& keyPath, const QString& name, const QString& text) {
    tree.createKey(keyPath);
    RegistryValue value{name, REG_SZ, text.toUtf8() + '\0'};
    tree.key(keyPath)->values.insert(RegistryTree::fold(name), value);
}

}  // namespace

QStringList systemInfoCandidates() {
    return {QStringLiteral("hardinfo2"),   QStringLiteral("hardinfo"),
            QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("lshw-gtk"),    QStringLiteral("sysinfo"),
            QStringLiteral("cpu-x")};
}

QString findSystemInfoProgram() {
    for (const QString& name : systemInfoCandidates()) {
        QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty()) return found;
    }
    return {};
}

RegistryTree machineTree(const QString& rootName, const QString& systemInfoProgram) {
    RegistryTree tree;
    tree.createKey(rootName + QStringLiteral("\\SOFTWARE\\Microsoft"));
    if (systemInfoProgram.isEmpty()) return tree;
    const QString root = rootName + QLatin1Char('\\');
    putString(tree, root + QLatin1String(kMsInfoKey), QLatin1String(kMsInfoValue), systemInfoProgram);
    const QString folder = QFileInfo(systemInfoProgram).absolutePath();
    if (QFileInfo(folder + QLatin1Char('/') + QLatin1String(kMsInfoFileName)).isFile())
        putString(tree, root + QLatin1String(kMsInfoLocationKey), QLatin1String(kMsInfoLocationValue),
                  folder);
    return tree;
}

}  // namespace platform
