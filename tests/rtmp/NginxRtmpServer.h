#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// nginx with its RTMP module on a free loopback port, serving the files of one folder as the
// application "vod", and what a publisher sends as the application "live". The server runs in the foreground
// as one process of this test's own, with its configuration, logs and PID file in a scratch folder, and is
// killed when this object goes.
class NginxRtmpServer {
public:
    explicit NginxRtmpServer(const QString& mediaFolder);
    ~NginxRtmpServer();

    // False, with the reason in error(), when nginx or its module is missing or it does not listen.
    bool start();
    // "rtmp://127.0.0.1:<port>/vod", the application's address.
    QString application() const;
    // Publishes the file, looped at its own pace, as the live stream "rtmp://…/live/<name>" (ffmpeg);
    // returns its address once the first seconds are out, or an empty one (see error()).
    QString publishLive(const QString& file, const QString& name);
    // Ends the server at once, as a crash would, mid-stream for any client.
    void kill();
    QString error() const { return m_error; }

private:
    bool startOnce();
    bool waitUntilListening();

    QString m_mediaFolder;
    QTemporaryDir m_scratch;
    QProcess m_nginx;
    QProcess m_publisher;
    quint16 m_port = 0;
    QString m_error;
};
