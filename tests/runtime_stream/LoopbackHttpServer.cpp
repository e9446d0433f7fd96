#include "LoopbackHttpServer.h"

#include <QRegularExpression>
#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer(QByteArray body, QObject* parent)
    : QObject(parent), m_body(std::move(body)) {
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onConnection);
}

bool LoopbackHttpServer::start() {
    return m_server.listen(QHostAddress::LocalHost);
}

QString LoopbackHttpServer::url(const QString& name) const {
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(name);
}

void LoopbackHttpServer::onConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            request->append(socket->readAll());
            if (request->contains("\r\n\r\n")) {
                respond(socket, *request);
                request->clear();
            }
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackHttpServer::respond(QTcpSocket* socket, const QByteArray& request) {
    ++m_requests;
    static const QRegularExpression range(QStringLiteral("Range: *bytes=(\\d+)-"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = range.match(QString::fromLatin1(request));
    const qint64 total = m_body.size();
    const qint64 from = match.hasMatch() ? qMin(match.captured(1).toLongLong(), total) : 0;
    QByteArray head = match.hasMatch() ? "HTTP/1.1 206 Partial Content\r\n" : "HTTP/1.1 200 OK\r\n";
    head += "Content-Type: video/x-flv\r\nAccept-Ranges: bytes\r\n";
    head += "Content-Length: " + QByteArray::number(total - from) + "\r\n";
    if (match.hasMatch())
        head += "Content-Range: bytes " + QByteArray::number(from) + '-' + QByteArray::number(total - 1) +
                '/' + QByteArray::number(total) + "\r\n";
    head += "\r\n";
    socket->write(head);
    qint64 length = total - from;
    if (m_stallAfter >= 0 && length > m_stallAfter) {
        length = m_stallAfter;
        m_held.append({socket, from + length});
    }
    socket->write(m_body.mid(from, length));
}

void LoopbackHttpServer::release() {
    m_stallAfter = -1;
    for (const Held& held : std::as_const(m_held))
        if (held.socket) held.socket->write(m_body.mid(held.from));
    m_held.clear();
}
