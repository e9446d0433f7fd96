#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// nginx with its RTMP module on a free loopback port, serving the files of one folder as the
// application "vod". The server runs in the foreground as one process of this test's own, with its
// configuration, logs and PID file in a scratch folder, and is killed when this object goes.
class NginxRtmpServer {
public:
    explicit NginxRtmpServer(const QString& mediaFolder);
    ~NginxRtmpServer();

    // False, with the reason in error(), when nginx or its module is missing or it does not listen.
    bool start();
    // "rtmp://127.0.0.1:<port>/vod", the application's address.
    QString application() const;
    // Ends the server at once, as a crash would, mid-stream for any client.
    void kill();
    QString error() const { return m_error; }

private:
    bool startOnce();
    bool waitUntilListening();

    QString m_mediaFolder;
    QTemporaryDir m_scratch;
    QProcess m_nginx;
    quint16 m_port = 0;
    QString m_error;
};
