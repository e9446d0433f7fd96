#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace movie {

// Reads the bytes of a playlist or captions file from a local file or an http(s) address, with the
// parsers' size cap and a transfer timeout. One read at a time; a new fetch() abandons the one in progress.
class PlaylistSource : public QObject {
    Q_OBJECT
public:
    // (data, error): error is empty on success.
    using Done = std::function<void(const QByteArray&, const QString&)>;

    explicit PlaylistSource(QNetworkAccessManager* network, QObject* parent = nullptr);
    ~PlaylistSource() override;

    // `done` is always called later from the event loop, never from inside fetch().
    void fetch(const QUrl& location, Done done);
    void cancel();

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // When on, a file that does not begin as markup (see contentStartOf) is read no further than the
    // bytes that tell so, and those are delivered without an error: a video named like a playlist is
    // then neither downloaded whole nor refused for its size.
    void setMarkupOnly(bool on) { m_markupOnly = on; }

private:
    void fetchLocal(const QUrl& location);
    void fetchRemote(const QUrl& location);
    void onReadyRead();
    void onFinished();
    void deliver(const QByteArray& data, const QString& error);
    bool isOtherThanMarkup(const QByteArray& head) const;

    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_received;
    Done m_done;
    int m_timeoutMs = 15000;
    bool m_markupOnly = false;
    quint64 m_generation = 0;
};

}  // namespace movie
