#include "SessionBus.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QtTest>

namespace testing {

namespace {
constexpr int kWait = 20000;
}

SessionBus::SessionBus() {
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                    QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(kWait))
        qFatal("dbus-daemon does not start: %s", qPrintable(m_daemon.errorString()));
    const QDeadlineTimer deadline(kWait);
    while (!m_daemon.canReadLine() && !deadline.hasExpired() && m_daemon.state() == QProcess::Running)
        m_daemon.waitForReadyRead(100);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty()) qFatal("dbus-daemon gave no address");
}

SessionBus::~SessionBus() {
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(kWait)) m_daemon.kill();
    m_daemon.waitForFinished(kWait);
}

ClientResult runClient(const QString& busAddress, const QString& program, const QStringList& arguments) {
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    client.setProcessEnvironment(env);
    client.start(program, arguments);
    if (!client.waitForStarted(kWait)) qFatal("%s does not start", qPrintable(program));
    const QDeadlineTimer deadline(kWait);
    while (client.state() != QProcess::NotRunning && !deadline.hasExpired()) QTest::qWait(10);
    if (client.state() != QProcess::NotRunning) {
        client.kill();
        client.waitForFinished(kWait);
        return {};
    }
    return {client.exitCode(), QString::fromUtf8(client.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(client.readAllStandardError())};
}

}  // namespace testing
