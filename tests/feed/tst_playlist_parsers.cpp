#include "player/movie/feed/PlaylistParser.h"
#include "player/movie/feed/PlaylistXml.h"

#include <QtTest>

using movie::parsePlaylist;

namespace {

const QUrl kLocalBase = QUrl::fromLocalFile(QStringLiteral("/media/lists/list.xml"));
const QUrl kRemoteBase(QStringLiteral("http://example.test/feeds/list.xml"));

QByteArray sample(const char* name) {
    QFile file(qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QStringLiteral("/tests/feed/data/") +
               QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing test sample %s", name);
    return file.readAll();
}

QByteArray nested(int depth) {
    QByteArray data = "<rss><channel>";
    for (int i = 0; i < depth; ++i) data += "<x>";
    for (int i = 0; i < depth; ++i) data += "</x>";
    return data + "</channel></rss>";
}

}  // namespace

class TestPlaylistParsers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rssItems();
    void atomEntries();
    void xspfTracks();
    void remoteBaseResolvesToAddresses();
    void refusedDocuments_data();
    void refusedDocuments();
    void nestingAtTheCapIsAccepted();
    void itemCountIsCapped();
};

void TestPlaylistParsers::rssItems() {
    const movie::PlaylistResult result = parsePlaylist(sample("rss.xml"), kLocalBase);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    const movie::Feed& feed = result.feed;
    QCOMPARE(feed.size(), 3);  // the item with nothing to play is left out

    const movie::FeedItem& first = feed.at(0);
    QCOMPARE(first.file, QStringLiteral("/media/lists/videos/premier.flv"));
    QCOMPARE(first.type, QStringLiteral("flv"));
    QCOMPARE(first.title, QStringLiteral("Premier"));
    QCOMPARE(first.link, QStringLiteral("http://example.test/premier"));
    QCOMPARE(first.description, QStringLiteral("<b>gras</b> et plus"));
    QCOMPARE(first.author, QStringLiteral("Anne"));
    QCOMPARE(first.id, QStringLiteral("id-1"));
    QCOMPARE(first.image, QStringLiteral("/media/lists/thumbs/premier.jpg"));
    QCOMPARE(first.duration, 62.5);

    const movie::FeedItem& second = feed.at(1);
    QCOMPARE(second.file, QStringLiteral("http://cdn.test/second"));
    QCOMPARE(second.type, QStringLiteral("mp3"));  // from the enclosure's MIME type
    QCOMPARE(second.author, QStringLiteral("Bruno"));
    QVERIFY(second.isCommercial());

    // In a group, the first content the movie can play wins; the group's thumbnail applies.
    QCOMPARE(feed.at(2).file, QStringLiteral("/media/lists/g/clip.flv"));
    QCOMPARE(feed.at(2).image, QStringLiteral("/abs/thumb.png"));
    QVERIFY(!feed.onlyAudio());
}

void TestPlaylistParsers::atomEntries() {
    const movie::PlaylistResult result = parsePlaylist(sample("atom.xml"), kLocalBase);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.feed.size(), 2);
    const movie::FeedItem& entry = result.feed.at(0);
    QCOMPARE(entry.file, QStringLiteral("/media/lists/clips/entree un.flv"));
    QCOMPARE(entry.type, QStringLiteral("flv"));
    QCOMPARE(entry.title, QStringLiteral("Entrée"));
    QCOMPARE(entry.link, QStringLiteral("http://example.test/page"));
    QCOMPARE(entry.description, QStringLiteral("Résumé"));
    QCOMPARE(entry.author, QStringLiteral("Claire"));
    QCOMPARE(entry.id, QStringLiteral("urn:1"));
    QCOMPARE(entry.category, QStringLiteral("news"));

    const movie::FeedItem& media = result.feed.at(1);
    QCOMPARE(media.file, QStringLiteral("rtmp://stream.test/app/live"));
    QCOMPARE(media.type, QStringLiteral("rtmp"));
    QCOMPARE(media.duration, 90.0);
    QCOMPARE(media.image, QStringLiteral("/media/lists/m.jpg"));
    QCOMPARE(media.link, QStringLiteral("http://example.test/media"));
}

void TestPlaylistParsers::xspfTracks() {
    const movie::PlaylistResult result = parsePlaylist(sample("xspf.xml"), kLocalBase);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.feed.size(), 3);
    const movie::FeedItem& one = result.feed.at(0);
    QCOMPARE(one.file, QStringLiteral("/media/lists/one.flv"));
    QCOMPARE(one.title, QStringLiteral("Un"));
    QCOMPARE(one.author, QStringLiteral("Denis"));
    QCOMPARE(one.image, QStringLiteral("/media/lists/images/un.png"));
    QCOMPARE(one.link, QStringLiteral("http://example.test/un"));
    QCOMPARE(one.description, QStringLiteral("Note"));
    QCOMPARE(one.id, QStringLiteral("u1"));
    QCOMPARE(one.duration, 90.5);
    QCOMPARE(one.start, 12.0);
    QCOMPARE(one.captions, QStringLiteral("/media/lists/subs/un.srt"));
    QVERIFY(result.feed.hasCaptions());

    QCOMPARE(result.feed.at(1).type, QStringLiteral("flv"));  // from meta rel="type"
    QVERIFY(result.feed.at(1).isCommercial());
    // A playlist inside a playlist stays an item of type "xml" for the feed manager to follow.
    QCOMPARE(result.feed.at(2).file, QStringLiteral("/media/other/list2.xml"));
    QCOMPARE(result.feed.at(2).type, QStringLiteral("xml"));
}

void TestPlaylistParsers::remoteBaseResolvesToAddresses() {
    const movie::PlaylistResult result = parsePlaylist(sample("xspf.xml"), kRemoteBase);
    QCOMPARE(result.feed.at(0).file, QStringLiteral("http://example.test/feeds/one.flv"));
    QCOMPARE(result.feed.at(0).captions, QStringLiteral("http://example.test/feeds/subs/un.srt"));
    QCOMPARE(result.feed.at(2).file, QStringLiteral("http://example.test/other/list2.xml"));
    // Without a location relative names stay as written.
    QCOMPARE(parsePlaylist(sample("xspf.xml"), QUrl()).feed.at(0).file, QStringLiteral("one.flv"));
}

void TestPlaylistParsers::refusedDocuments_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("reason");
    QTest::newRow("malformed") << QByteArray("<rss><channel><item><title>x</item></channel></rss>") << "";
    QTest::newRow("garbage after the root") << QByteArray("<playlist><trackList/></playlist><oops") << "";
    QTest::newRow("not xml") << QByteArray("ceci n'est pas une liste") << "";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("unknown root") << QByteArray("<html><body/></html>") << "unknown root element <html>";
    QTest::newRow("billion laughs") << sample("billion-laughs.xml")
                                    << "document type declarations are refused";
    QTest::newRow("external entity") << sample("external-entity.xml")
                                     << "document type declarations are refused";
    QTest::newRow("bare doctype") << QByteArray("<!DOCTYPE rss><rss/>")
                                  << "document type declarations are refused";
    QTest::newRow("undeclared entity")
        << QByteArray("<playlist><trackList><track><location>&x;</location></track></trackList></playlist>")
        << "";
    QTest::newRow("too deep") << nested(movie::kPlaylistMaxDepth) << "nested deeper";
    QTest::newRow("oversize") << QByteArray(movie::kPlaylistMaxBytes + 1, ' ') << "larger than";
}

void TestPlaylistParsers::refusedDocuments() {
    QFETCH(QByteArray, data);
    QFETCH(QString, reason);
    const movie::PlaylistResult result = parsePlaylist(data, kLocalBase);
    QVERIFY(result.feed.isEmpty());
    QVERIFY(!result.error.isEmpty());
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
    QVERIFY(!result.error.contains(u'\n'));
    QVERIFY(!result.error.contains(QStringLiteral("lollol")));
}

void TestPlaylistParsers::nestingAtTheCapIsAccepted() {
    // rss and channel count as two levels.
    const movie::PlaylistResult result = parsePlaylist(nested(movie::kPlaylistMaxDepth - 2), kLocalBase);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
}

void TestPlaylistParsers::itemCountIsCapped() {
    QByteArray data = "<playlist><trackList>";
    for (qsizetype i = 0; i < movie::kPlaylistMaxItems + 10; ++i) {
        data += "<track><location>" + QByteArray::number(i) + ".flv</location></track>";
    }
    data += "</trackList></playlist>";
    const movie::PlaylistResult result = parsePlaylist(data, kLocalBase);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(result.feed.size(), movie::kPlaylistMaxItems);
    QCOMPARE(result.feed.at(0).file, QStringLiteral("/media/lists/0.flv"));
    QVERIFY(!result.notice.isEmpty());
}

QTEST_GUILESS_MAIN(TestPlaylistParsers)
#include "tst_playlist_parsers.moc"
