#include "rtmp/NginxRtmpServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

constexpr auto kModule = "/usr/lib/nginx/modules/ngx_rtmp_module.so";
constexpr int kStartAttempts = 3;
constexpr int kListenWaitMs = 15000;

quint16 freeLoopbackPort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

}  // namespace

NginxRtmpServer::NginxRtmpServer(const QString& mediaFolder) : m_mediaFolder(mediaFolder) {}

NginxRtmpServer::~NginxRtmpServer() {
    kill();
}

bool NginxRtmpServer::start() {
    const QString nginx = QStandardPaths::findExecutable(
        QStringLiteral("nginx"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (nginx.isEmpty() || !QFileInfo::exists(QLatin1String(kModule))) {
        m_error = QStringLiteral(
            "nginx or its RTMP module is not installed (scripts/install-deps.sh installs them)");
        return false;
    }
    m_nginx.setProgram(nginx);
    // The free port is found before nginx takes it, so another program may take it first: try again.
    for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
        if (startOnce()) return true;
    }
    return false;
}

bool NginxRtmpServer::startOnce() {
    m_port = freeLoopbackPort();
    const QString dir = m_scratch.path();
    const QString config = QStringLiteral(
                               "load_module %1;\n"
                               "daemon off;\nmaster_process off;\nworker_processes 1;\n"
                               "pid %2/nginx.pid;\nerror_log %2/error.log info;\n"
                               "events { worker_connections 64; }\n"
                               "rtmp { server { listen 127.0.0.1:%3;\n"
                               "  application vod { play %4; }\n"
                               "  application live { live on; } } }\n")
                               .arg(QLatin1String(kModule), dir)
                               .arg(m_port)
                               .arg(m_mediaFolder);
    QFile file(dir + QStringLiteral("/nginx.conf"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(config.toUtf8()) < 0) {
        m_error = file.errorString();
        return false;
    }
    file.close();
    // -e: the log nginx writes before it has read its configuration, else a root-owned system path.
    m_nginx.setArguments({QStringLiteral("-p"), dir, QStringLiteral("-c"), file.fileName(),
                          QStringLiteral("-e"), dir + QStringLiteral("/error.log")});
    m_nginx.setProcessChannelMode(QProcess::MergedChannels);
    m_nginx.start();
    if (!m_nginx.waitForStarted() || !waitUntilListening()) {
        QFile log(dir + QStringLiteral("/error.log"));
        const QByteArray logged = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
        m_error = QStringLiteral("nginx did not listen on port %1: %2 %3")
                      .arg(m_port)
                      .arg(QString::fromLocal8Bit(m_nginx.readAll()), QString::fromLocal8Bit(logged));
        kill();
        return false;
    }
    return true;
}

bool NginxRtmpServer::waitUntilListening() {
    const QDeadlineTimer deadline(kListenWaitMs);
    while (!deadline.hasExpired() && m_nginx.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(500)) return true;
        QThread::msleep(50);
    }
    return false;
}

QString NginxRtmpServer::application() const {
    return QStringLiteral("rtmp://127.0.0.1:%1/vod").arg(m_port);
}

QString NginxRtmpServer::publishLive(const QString& file, const QString& name) {
    const QString address = QStringLiteral("rtmp://127.0.0.1:%1/live/%2").arg(m_port).arg(name);
    m_publisher.start(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
         QStringLiteral("-progress"), QStringLiteral("pipe:1"), QStringLiteral("-re"),
         QStringLiteral("-stream_loop"), QStringLiteral("-1"), QStringLiteral("-i"), file,
         QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-f"), QStringLiteral("flv"), address});
    // ffmpeg reports its progress about once a second; two reports, and the stream is on the server.
    int reports = 0;
    const QDeadlineTimer deadline(kListenWaitMs);
    while (reports < 2 && !deadline.hasExpired() && m_publisher.state() != QProcess::NotRunning) {
        m_publisher.waitForReadyRead(200);
        while (m_publisher.canReadLine())
            if (m_publisher.readLine().startsWith("progress=")) ++reports;
    }
    if (reports >= 2) return address;
    m_error = QStringLiteral("ffmpeg did not publish %1: %2")
                  .arg(address, QString::fromLocal8Bit(m_publisher.readAllStandardError()));
    return QString();
}

void NginxRtmpServer::kill() {
    if (m_publisher.state() != QProcess::NotRunning) {
        m_publisher.kill();
        m_publisher.waitForFinished(10000);
    }
    if (m_nginx.state() == QProcess::NotRunning) return;
    m_nginx.kill();
    m_nginx.waitForFinished(10000);
}
