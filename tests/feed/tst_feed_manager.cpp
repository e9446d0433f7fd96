#include "player/movie/feed/FeedManager.h"

#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

constexpr int kWait = 20000;

// A loopback HTTP server answering GET requests from a table of paths; a path it does not know hangs.
class LoopbackHttp : public QObject {
public:
    LoopbackHttp() {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            }
        });
    }
    void serve(const QString& path, const QByteArray& body) { m_bodies.insert(path, body); }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    int requests() const { return m_requests; }

private:
    void answer(QTcpSocket* socket) {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        ++m_requests;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        if (!m_bodies.contains(path)) return;
        const QByteArray body = m_bodies.value(path);
        socket->write(
            "HTTP/1.1 200 OK\r\nContent-Type: application/xml\r\nConnection: close\r\nContent-Length: " +
            QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, QByteArray> m_bodies;
    QHash<QTcpSocket*, QByteArray> m_pending;
    int m_requests = 0;
};

QByteArray xspf(const QStringList& locations) {
    QByteArray data = "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList>";
    for (const QString& location : locations)
        data += "<track><location>" + location.toUtf8() + "</location></track>";
    return data + "</trackList></playlist>";
}

QStringList filesOf(const movie::Feed& feed) {
    QStringList files;
    for (const movie::FeedItem& item : feed.items()) files.append(item.file);
    return files;
}

}  // namespace

class TestFeedManager : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void singleFileIsAOneItemFeed();
    void captionsBesideASingleFile_data();
    void captionsBesideASingleFile();
    void localPlaylistWithRelativeLocations();
    void nestedPlaylistsAreSplicedInPlace();
    void playlistNamingItselfDoesNotLoop();
    void playlistsNamingEachOtherDoNotLoop();
    void longChainStops();
    void fanOutOfPlaylistsIsBounded();
    void missingOrMalformedPlaylistGivesAnEmptyFeed();
    void videoNamedLikeAPlaylistIsPlayed();
    void httpPlaylistFromLoopback();
    void remotePlaylistMayNotNameALocalOne();
    void oversizedHttpPlaylistIsRefused();
    void silentServerTimesOut();
    void newLoadAbandonsThePreviousOne();

private:
    QString write(const QString& name, const QByteArray& data);
    movie::Feed loadAndWait(movie::FeedManager& manager, const QString& file);

    QTemporaryDir m_dir;
    QNetworkAccessManager m_network;
};

void TestFeedManager::init() {
    QVERIFY(m_dir.isValid());
}

QString TestFeedManager::write(const QString& name, const QByteArray& data) {
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

movie::Feed TestFeedManager::loadAndWait(movie::FeedManager& manager, const QString& file) {
    QSignalSpy ready(&manager, &movie::FeedManager::feedReady);
    manager.load(file);
    if (!ready.wait(kWait) && ready.isEmpty())
        return movie::Feed({movie::FeedItem{QStringLiteral("timed out")}});
    return ready.constFirst().constFirst().value<movie::Feed>();
}

void TestFeedManager::singleFileIsAOneItemFeed() {
    movie::FeedManager manager(&m_network);
    QSignalSpy ready(&manager, &movie::FeedManager::feedReady);
    manager.load(QStringLiteral("/films/mon film.FLV"));
    QVERIFY(ready.isEmpty());  // always from the event loop, so the caller can finish setting up first
    QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, kWait);
    const movie::Feed feed = ready.constFirst().constFirst().value<movie::Feed>();
    QCOMPARE(feed.size(), 1);
    QCOMPARE(feed.at(0).file, QStringLiteral("/films/mon film.FLV"));
    QCOMPARE(feed.at(0).type, QStringLiteral("flv"));
    QCOMPARE(manager.feed(), feed);
}

void TestFeedManager::captionsBesideASingleFile_data() {
    QTest::addColumn<QStringList>("files");  // the first is loaded
    QTest::addColumn<QByteArray>("xml");     // what any .xml among them holds
    QTest::addColumn<QString>("captions");
    const QByteArray timedText =
        "<tt xmlns='http://www.w3.org/ns/ttml'><body><p begin='1s'>x</p></body></tt>";
    const QByteArray playlist = xspf({"clip.flv"});
    QTest::newRow("srt") << QStringList{"clip.flv", "clip.srt"} << timedText << "clip.srt";
    QTest::newRow("extension case") << QStringList{"clip.flv", "clip.SRT"} << timedText << "clip.SRT";
    QTest::newRow("srt first") << QStringList{"clip.flv", "clip.xml", "clip.dfxp", "clip.ttml", "clip.srt"}
                               << timedText << "clip.srt";
    QTest::newRow("ttml before dfxp")
        << QStringList{"clip.flv", "clip.dfxp", "clip.TTML"} << timedText << "clip.TTML";
    QTest::newRow("timed text xml") << QStringList{"a.b.flv", "a.b.xml"} << timedText << "a.b.xml";
    QTest::newRow("playlist xml") << QStringList{"clip.flv", "clip.xml"} << playlist << QString();
    QTest::newRow("other names") << QStringList{"clip.flv", "Clip.srt", "clip2.srt", "clip.srt.bak",
                                                "clip.txt"}
                                 << timedText << QString();
    QTest::newRow("sound") << QStringList{"chanson.mp3", "chanson.srt"} << timedText << "chanson.srt";
    QTest::newRow("picture") << QStringList{"photo.jpg", "photo.srt"} << timedText << QString();
    QTest::newRow("file address") << QStringList{"file:clip.flv", "clip.srt"} << timedText << "clip.srt";
}

void TestFeedManager::captionsBesideASingleFile() {
    QFETCH(QStringList, files);
    QFETCH(QByteArray, xml);
    QFETCH(QString, captions);
    const QString folder = QString::fromLatin1(QTest::currentDataTag()) + u'/';
    QString media;
    for (const QString& spelled : files) {
        const QString name = spelled.startsWith(u"file:") ? spelled.sliced(5) : spelled;
        const QString path = write(folder + name, name.endsWith(u".xml") ? xml : QByteArray("x"));
        if (media.isEmpty()) media = spelled == name ? path : QUrl::fromLocalFile(path).toString();
    }
    movie::FeedManager manager(&m_network);
    const movie::Feed feed = loadAndWait(manager, media);
    QCOMPARE(feed.size(), 1);
    QCOMPARE(feed.at(0).captions, captions.isEmpty() ? QString() : m_dir.filePath(folder + captions));
    QCOMPARE(feed.hasCaptions(), !captions.isEmpty());
}

void TestFeedManager::localPlaylistWithRelativeLocations() {
    const QString list = write(QStringLiteral("lists/list.xml"),
                               xspf({"a.flv", "../media/b.mp3", "http://example.test/c.flv", "d #1?.flv"}));
    movie::FeedManager manager(&m_network);
    const movie::Feed feed = loadAndWait(manager, list);
    QCOMPARE(filesOf(feed), QStringList({m_dir.filePath("lists/a.flv"), m_dir.filePath("media/b.mp3"),
                                         "http://example.test/c.flv", m_dir.filePath("lists/d #1?.flv")}));
    // file:// addresses name the same playlist.
    QCOMPARE(loadAndWait(manager, QUrl::fromLocalFile(list).toString()), feed);
}

void TestFeedManager::nestedPlaylistsAreSplicedInPlace() {
    write(QStringLiteral("inner.xml"), xspf({"i1.flv", "i2.flv"}));
    const QString outer = write(QStringLiteral("outer.xml"), xspf({"o1.flv", "inner.xml", "o2.flv"}));
    movie::FeedManager manager(&m_network);
    const movie::Feed feed = loadAndWait(manager, outer);
    QCOMPARE(filesOf(feed), QStringList({m_dir.filePath("o1.flv"), m_dir.filePath("i1.flv"),
                                         m_dir.filePath("i2.flv"), m_dir.filePath("o2.flv")}));
}

void TestFeedManager::playlistNamingItselfDoesNotLoop() {
    const QString self =
        write(QStringLiteral("self.xml"), xspf({"a.flv", "self.xml", "./self.xml", "b.flv"}));
    movie::FeedManager manager(&m_network);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^playlist .*self\\.xml: names .*already"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^playlist .*self\\.xml: names .*already"));
    const movie::Feed feed = loadAndWait(manager, self);
    QCOMPARE(filesOf(feed), QStringList({m_dir.filePath("a.flv"), m_dir.filePath("b.flv")}));
}

void TestFeedManager::playlistsNamingEachOtherDoNotLoop() {
    write(QStringLiteral("ping.xml"), xspf({"ping.flv", "pong.xml"}));
    const QString pong = write(QStringLiteral("pong.xml"), xspf({"pong.flv", "ping.xml"}));
    movie::FeedManager manager(&m_network);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("already being read"));
    const movie::Feed feed = loadAndWait(manager, pong);
    QCOMPARE(filesOf(feed), QStringList({m_dir.filePath("pong.flv"), m_dir.filePath("ping.flv")}));
}

void TestFeedManager::longChainStops() {
    // chain0 -> chain1 -> ... -> chain9, each with one video of its own.
    for (int i = 0; i < 10; ++i) {
        write(QStringLiteral("chain%1.xml").arg(i),
              xspf({QStringLiteral("v%1.flv").arg(i), QStringLiteral("chain%1.xml").arg(i + 1)}));
    }
    movie::FeedManager manager(&m_network);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nested deeper than"));
    const movie::Feed feed = loadAndWait(manager, m_dir.filePath("chain0.xml"));
    QCOMPARE(feed.size(), movie::FeedManager::kMaxPlaylistChain);
    QCOMPARE(feed.at(0).file, m_dir.filePath("v0.flv"));
}

void TestFeedManager::fanOutOfPlaylistsIsBounded() {
    QStringList names;
    for (int i = 0; i < 30; ++i) {
        names.append(QStringLiteral("fan%1.xml").arg(i));
        write(names.last(), xspf({QStringLiteral("f%1.flv").arg(i)}));
    }
    const QString root = write(QStringLiteral("fan.xml"), xspf(names));
    movie::FeedManager manager(&m_network);
    for (int i = movie::FeedManager::kMaxPlaylistsPerLoad; i <= 30; ++i) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("more than \\d+ playlists to read"));
    }
    const movie::Feed feed = loadAndWait(manager, root);
    // The root counts as one of the playlists read.
    QCOMPARE(feed.size(), movie::FeedManager::kMaxPlaylistsPerLoad - 1);
    QCOMPARE(feed.at(0).file, m_dir.filePath("f0.flv"));
}

void TestFeedManager::missingOrMalformedPlaylistGivesAnEmptyFeed() {
    movie::FeedManager manager(&m_network);
    const QString missing = m_dir.filePath("absent.xml");
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^playlist " + QRegularExpression::escape(missing) + ": .+$"));
    QVERIFY(loadAndWait(manager, missing).isEmpty());

    const QString broken = write(QStringLiteral("broken.xml"), "<playlist><trackList><track>");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^playlist .*broken\\.xml: line \\d+: .+$"));
    QVERIFY(loadAndWait(manager, broken).isEmpty());
}

void TestFeedManager::videoNamedLikeAPlaylistIsPlayed() {
    // Larger than any playlist may be, so only the first bytes can have decided.
    QByteArray video(
        "\0\0\0\x20"
        "ftypisom",
        12);
    video.append(QByteArray(5 * 1024 * 1024, '\x7f'));
    const QString film = write(QStringLiteral("film.mkv"), video);
    movie::FeedManager manager(&m_network);
    const movie::Feed single = loadAndWait(manager, film);
    QCOMPARE(filesOf(single), QStringList({film}));
    QCOMPARE(single.at(0).type, QStringLiteral("flv"));

    // A playlist with no known extension is still read, and a video it lists is played with its title.
    const QString list = write(QStringLiteral("list.txt"),
                               "\xEF\xBB\xBF\n<playlist><trackList><track><location>film.mkv</location>"
                               "<title>Film</title></track><track><location>b.flv</location></track>"
                               "</trackList></playlist>");
    const movie::Feed listed = loadAndWait(manager, list);
    QCOMPARE(filesOf(listed), QStringList({film, m_dir.filePath("b.flv")}));
    QCOMPARE(listed.at(0).type, QStringLiteral("flv"));
    QCOMPARE(listed.at(0).title, QStringLiteral("Film"));

    LoopbackHttp http;
    http.serve(QStringLiteral("/video"), video);
    const movie::Feed remote = loadAndWait(manager, http.url("/video"));
    QCOMPARE(filesOf(remote), QStringList({http.url("/video")}));
    QCOMPARE(remote.at(0).type, QStringLiteral("flv"));
}

void TestFeedManager::httpPlaylistFromLoopback() {
    LoopbackHttp http;
    http.serve(QStringLiteral("/feeds/list.xml"), xspf({"one.flv", "sub/inner.xml", "/abs/two.mp3"}));
    http.serve(QStringLiteral("/feeds/sub/inner.xml"), xspf({"three.flv"}));
    movie::FeedManager manager(&m_network);
    const movie::Feed feed = loadAndWait(manager, http.url("/feeds/list.xml"));
    QCOMPARE(filesOf(feed), QStringList({http.url("/feeds/one.flv"), http.url("/feeds/sub/three.flv"),
                                         http.url("/abs/two.mp3")}));
    QCOMPARE(feed.at(2).type, QStringLiteral("mp3"));
}

void TestFeedManager::remotePlaylistMayNotNameALocalOne() {
    const QString local = write(QStringLiteral("local.xml"), xspf({"secret.flv"}));
    LoopbackHttp http;
    http.serve(QStringLiteral("/list.xml"), xspf({"one.flv", QUrl::fromLocalFile(local).toString()}));
    movie::FeedManager manager(&m_network);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("may not name a local"));
    const movie::Feed feed = loadAndWait(manager, http.url("/list.xml"));
    QCOMPARE(filesOf(feed), QStringList({http.url("/one.flv")}));
}

void TestFeedManager::oversizedHttpPlaylistIsRefused() {
    LoopbackHttp http;
    QByteArray big = xspf({"one.flv"});
    big.append(QByteArray(5 * 1024 * 1024, ' '));
    http.serve(QStringLiteral("/big.xml"), big);
    movie::FeedManager manager(&m_network);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("big\\.xml: larger than"));
    QVERIFY(loadAndWait(manager, http.url("/big.xml")).isEmpty());
}

void TestFeedManager::silentServerTimesOut() {
    LoopbackHttp http;  // knows no path, so it never answers
    movie::FeedManager manager(&m_network);
    manager.setTimeout(300);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^playlist http://127\\.0\\.0\\.1:\\d+/slow\\.xml: "));
    QVERIFY(loadAndWait(manager, http.url("/slow.xml")).isEmpty());
}

void TestFeedManager::newLoadAbandonsThePreviousOne() {
    LoopbackHttp http;  // the first load hangs
    movie::FeedManager manager(&m_network);
    QSignalSpy ready(&manager, &movie::FeedManager::feedReady);
    manager.load(http.url("/hangs.xml"));
    QTRY_COMPARE_WITH_TIMEOUT(http.requests(), 1, kWait);
    manager.load(QStringLiteral("clip.flv"));
    QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, kWait);
    QCOMPARE(filesOf(ready.constFirst().constFirst().value<movie::Feed>()), QStringList({"clip.flv"}));
}

QTEST_GUILESS_MAIN(TestFeedManager)
#include "tst_feed_manager.moc"
