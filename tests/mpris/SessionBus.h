#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing {

// A private session bus: a dbus-daemon of the test's own, stopped by its process id at the end.
class SessionBus {
public:
    SessionBus();
    ~SessionBus();
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

struct ClientResult {
    int exitCode = -1;
    QString out;  // trimmed
    QString err;
};

// Runs a bus client (playerctl, dbus-send) against the bus while the caller's event loop goes on
// answering it.
ClientResult runClient(const QString& busAddress, const QString& program, const QStringList& arguments);

}  // namespace testing
