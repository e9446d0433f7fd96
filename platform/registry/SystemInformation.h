#pragma once

#include "platform/registry/RegistryTree.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// Finds the machine's system-information program: its full path, or empty when there is none.
using SystemInfoLookup = std::function<QString()>;

// The programs tried, in this order, on the PATH.
QStringList systemInfoCandidates();
QString findSystemInfoProgram();

inline constexpr auto kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr auto kMsInfoValue = "PATH";
inline constexpr auto kMsInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr auto kMsInfoLocationValue = "MSINFO";
inline constexpr auto kMsInfoFileName = "MSINFO32.EXE";

// The read-only machine keys, rooted at "HKEY_LOCAL_MACHINE": the program's full path under
// kMsInfoKey, and its folder under kMsInfoLocationKey only when that folder holds a file
// named kMsInfoFileName, as the Windows tool's folder would.
RegistryTree machineTree(const QString& rootName, const QString& systemInfoProgram);

}  // namespace platform
