#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// Serves one file over HTTP on 127.0.0.1 for progressive playback tests: Content-Length, byte
// ranges, and optionally a stall after the first bytes (to test closing a stuck download).
class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QByteArray body, QObject* parent = nullptr);
    bool start();
    QString url(const QString& name) const;
    // Sends at most this many body bytes of any response, then keeps the connection open.
    void stallAfter(qint64 bytes) { m_stallAfter = bytes; }
    // Sends what the stall held back and serves whole responses from then on.
    void release();
    int requests() const { return m_requests; }

private:
    void onConnection();
    void respond(QTcpSocket* socket, const QByteArray& request);

    QTcpServer m_server;
    QByteArray m_body;
    qint64 m_stallAfter = -1;
    struct Held {
        QPointer<QTcpSocket> socket;
        qint64 from;
    };
    QList<Held> m_held;
    int m_requests = 0;
};
