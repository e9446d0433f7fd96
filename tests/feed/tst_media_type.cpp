#include "player/movie/feed/ContentStart.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/feed/MediaType.h"

#include <QtTest>

using movie::mediaTypeOf;

Q_DECLARE_METATYPE(movie::ContentStart)

class TestMediaType : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rule_data();
    void rule();
    void mimeTypes();
    void contentStart_data();
    void contentStart();
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
    QTest::newRow("rtmp address of a .flv stream") << "rtmp://host/vod/clip.flv"
                                                   << "flv"
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
    QTest::newRow("mp4 is a video") << "clip.mp4"
                                    << ""
                                    << "flv";
    QTest::newRow("f4v is a video") << "/v/clip.F4V"
                                    << ""
                                    << "flv";
    QTest::newRow("m4v is a video") << "http://host/a.m4v"
                                    << ""
                                    << "flv";
    QTest::newRow("mov is a video, whatever the given type") << "clip.Mov"
                                                             << "mp3"
                                                             << "flv";
    QTest::newRow("mpeg-4 audio is not") << "song.m4a"
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

void TestMediaType::contentStart_data() {
    using movie::ContentStart;
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<ContentStart>("expected");
    QTest::newRow("declaration") << QByteArray("<?xml version=\"1.0\"?>") << ContentStart::Markup;
    QTest::newRow("blanks first") << QByteArray(" \r\n\t<rss>") << ContentStart::Markup;
    QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBF\n<playlist>") << ContentStart::Markup;
    QTest::newRow("utf-16 le mark") << QByteArray("\xFF\xFE \0<\0", 6) << ContentStart::Markup;
    QTest::newRow("utf-16 be mark") << QByteArray("\xFE\xFF\0<", 4) << ContentStart::Markup;
    QTest::newRow("mp4 box") << QByteArray(
                                    "\0\0\0\x20"
                                    "ftypisom",
                                    12)
                             << ContentStart::Other;
    QTest::newRow("flv signature") << QByteArray("FLV\x01") << ContentStart::Other;
    QTest::newRow("utf-16 le text") << QByteArray("\xFF\xFEh\0", 4) << ContentStart::Other;
    QTest::newRow("text after the mark") << QByteArray("\xEF\xBB\xBFhello") << ContentStart::Other;
    QTest::newRow("nothing yet") << QByteArray() << ContentStart::Undecided;
    QTest::newRow("only blanks") << QByteArray("  \n") << ContentStart::Undecided;
    QTest::newRow("mark cut short") << QByteArray("\xEF\xBB") << ContentStart::Undecided;
    QTest::newRow("half a utf-16 unit") << QByteArray("\xFE\xFF\0", 3) << ContentStart::Undecided;
}

void TestMediaType::contentStart() {
    QFETCH(QByteArray, head);
    QFETCH(movie::ContentStart, expected);
    QCOMPARE(movie::contentStartOf(head), expected);
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
