#include "player/movie/feed/Feed.h"
#include "player/movie/feed/MediaType.h"

#include <QtTest>

using movie::mediaTypeOf;

class TestMediaType : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rule_data();
    void rule();
    void mimeTypes();
    void feedHelpers();
};

void TestMediaType::rule_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("flv") << "/v/clip.flv"
                         << ""
                         << "flv";
    QTest::newRow("upper-case extension") << "clip.FLV"
                                          << ""
                                          << "flv";
    QTest::newRow("mp3") << "song.Mp3"
                         << ""
                         << "mp3";
    QTest::newRow("images") << "a.jpg"
                            << ""
                            << "jpg";
    QTest::newRow("gif") << "a.GIF"
                         << ""
                         << "gif";
    QTest::newRow("png") << "a.png"
                         << ""
                         << "png";
    QTest::newRow("rbs") << "a.rbs"
                         << ""
                         << "rbs";
    QTest::newRow("swf") << "a.swf"
                         << ""
                         << "swf";
    QTest::newRow("rtmp address") << "rtmp://host/app/stream"
                                  << ""
                                  << "rtmp";
    QTest::newRow("rtmp prefix is case-sensitive") << "RTMP://host/app/stream"
                                                   << ""
                                                   << "xml";
    QTest::newRow("playlist") << "list.xml"
                              << ""
                              << "xml";
    QTest::newRow("no extension") << "feed"
                                  << ""
                                  << "xml";
    QTest::newRow("empty") << ""
                           << ""
                           << "xml";
    QTest::newRow("four-letter extension") << "photo.jpeg"
                                           << ""
                                           << "xml";
    QTest::newRow("mp4 is not a type") << "clip.mp4"
                                       << ""
                                       << "xml";
    QTest::newRow("given type") << "http://host/video?id=3"
                                << "flv"
                                << "flv";
    QTest::newRow("given type is case-sensitive") << "http://host/video?id=3"
                                                  << "FLV"
                                                  << "xml";
    QTest::newRow("given type not in the list") << "clip"
                                                << "mp4"
                                                << "xml";
    QTest::newRow("extension beats a later given type") << "clip.flv"
                                                        << "mp3"
                                                        << "flv";
    QTest::newRow("given type beats a later extension") << "clip.swf"
                                                        << "mp3"
                                                        << "mp3";
    QTest::newRow("short name equal to a type") << "flv"
                                                << ""
                                                << "flv";
    QTest::newRow("query after the extension") << "clip.flv?x=1"
                                               << ""
                                               << "xml";
}

void TestMediaType::rule() {
    QFETCH(QString, file);
    QFETCH(QString, given);
    QFETCH(QString, expected);
    QCOMPARE(mediaTypeOf(file, given), expected);
}

void TestMediaType::mimeTypes() {
    QCOMPARE(movie::mediaTypeOfMime(QStringLiteral("video/x-flv")), QStringLiteral("flv"));
    QCOMPARE(movie::mediaTypeOfMime(QStringLiteral(" Video/MP4 ")), QStringLiteral("flv"));
    QCOMPARE(movie::mediaTypeOfMime(QStringLiteral("audio/mpeg")), QStringLiteral("mp3"));
    QCOMPARE(movie::mediaTypeOfMime(QStringLiteral("image/jpeg")), QStringLiteral("jpg"));
    QCOMPARE(movie::mediaTypeOfMime(QStringLiteral("application/x-shockwave-flash")), QStringLiteral("swf"));
    QCOMPARE(movie::mediaTypeOfMime(QStringLiteral("text/html")), QString());
}

void TestMediaType::feedHelpers() {
    auto item = [](const char* type, const char* captions = "") {
        movie::FeedItem i;
        i.file = QStringLiteral("x");
        i.type = QString::fromLatin1(type);
        i.captions = QString::fromLatin1(captions);
        return i;
    };
    QVERIFY(!movie::Feed().onlyAudio());
    QVERIFY(!movie::Feed().hasCaptions());
    QVERIFY(movie::Feed({item("mp3"), item("mp3")}).onlyAudio());
    QVERIFY(!movie::Feed({item("mp3"), item("flv")}).onlyAudio());
    QVERIFY(movie::Feed({item("flv"), item("flv", "c.srt")}).hasCaptions());
    movie::FeedItem ad = item("flv");
    ad.category = QStringLiteral("Commercial");
    QVERIFY(ad.isCommercial());
    QVERIFY(!item("flv").isCommercial());
}

QTEST_GUILESS_MAIN(TestMediaType)
#include "tst_media_type.moc"
