#pragma once

#include <QString>
#include <QUrl>

namespace platform {

// Hands a web address, a mailto: or a program to the desktop, as ShellExecute "Open" and a
// program start did. Neither waits for what it starts.
class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    // The browser for a web address, the mail program for a mailto:.
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts the program detached, in its own window.
    virtual bool startProgram(const QString& path) = 0;
};

class DesktopShellLauncher : public ShellLauncher {
public:
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& path) override;
};

}  // namespace platform
