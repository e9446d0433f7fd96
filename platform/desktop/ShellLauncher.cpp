#include "platform/desktop/ShellLauncher.h"

#include <QDesktopServices>
#include <QProcess>

namespace platform {

bool DesktopShellLauncher::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool DesktopShellLauncher::startProgram(const QString& path) {
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

}  // namespace platform
