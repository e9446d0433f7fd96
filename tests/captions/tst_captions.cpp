#include "player/movie/captions/CaptionsReader.h"
#include "player/movie/captions/SrtParser.h"
#include "player/movie/captions/TimedTextParser.h"

#include <QtTest>

#include <cmath>

namespace {

QByteArray sample(const char* name) {
    QFile file(qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QStringLiteral("/tests/captions/data/") +
               QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing test sample %s", name);
    return file.readAll();
}

QString textAt(const movie::CaptionList& captions, double seconds) {
    const movie::Caption* caption = movie::captionAt(captions, seconds);
    return caption ? caption->text : QStringLiteral("<none>");
}

}  // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void srtGood();
    void srtRefused_data();
    void srtRefused();
    void timedTextGood();
    void timedTextRefused_data();
    void timedTextRefused();
    void formatByNameOrContent();
    void lookupAtPositions();
    void lookupWithOverlaps();
};

void TestCaptions::srtGood() {
    const movie::CaptionsResult result = movie::parseSrt(sample("good.srt"));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.captions.size(), 3);
    QCOMPARE(result.captions.at(0),
             (movie::Caption{1.0, 3.5, QStringLiteral("Bonjour à tous\nDeuxième ligne")}));
    QCOMPARE(result.captions.at(1), (movie::Caption{5.25, 7.0, QStringLiteral("En haut <3")}));
    QCOMPARE(result.captions.at(2), (movie::Caption{60.5, 3600.0, QStringLiteral("Rouge")}));
}

void TestCaptions::srtRefused_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only blank lines") << QByteArray("\n\r\n  \n");
    QTest::newRow("no timing") << QByteArray("1\nHello\n\n");
    QTest::newRow("bad separator") << QByteArray("1\n00:00:01,000 -> 00:00:02,000\nHi\n");
    QTest::newRow("minutes past 59") << QByteArray("1\n00:61:01,000 --> 00:62:02,000\nHi\n");
    QTest::newRow("end before start") << QByteArray("1\n00:00:05,000 --> 00:00:02,000\nHi\n");
    QTest::newRow("second block broken") << QByteArray("1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\nB\n");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe", 5);
    QTest::newRow("oversize") << QByteArray(movie::kCaptionsMaxBytes + 1, '\n');
}

void TestCaptions::srtRefused() {
    QFETCH(QByteArray, data);
    const movie::CaptionsResult result = movie::parseSrt(data);
    QVERIFY(result.captions.isEmpty());
    QVERIFY(!result.error.isEmpty());
    QVERIFY(!result.error.contains(u'\n'));
}

void TestCaptions::timedTextGood() {
    const movie::CaptionsResult result = movie::parseTimedText(sample("good.xml"));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    const movie::CaptionList& c = result.captions;
    QCOMPARE(c.size(), 6);
    QCOMPARE(c.at(0), (movie::Caption{1.0, 3.5, QStringLiteral("Bonjour à tous\ndeuxième ligne")}));
    QCOMPARE(c.at(1), (movie::Caption{5.0, 7.0, QStringLiteral("Deux secondes")}));
    QCOMPARE(c.at(2), (movie::Caption{10.2, 12.5, QStringLiteral("Images")}));  // 5 frames at 25 per second
    QCOMPARE(c.at(3), (movie::Caption{21.0, 22.0, QStringLiteral("Décalé")}));
    // With no end of its own, a caption lasts until the next one starts.
    QCOMPARE(c.at(4), (movie::Caption{23.0, 50.0, QStringLiteral("Ouvert")}));
    QCOMPARE(c.at(5), (movie::Caption{50.0, 60.0, QStringLiteral("Fin")}));  // ten ticks of one second

    const movie::CaptionList open =
        movie::parseTimedText("<tt><body><p begin='2'>Toujours</p></body></tt>").captions;
    QCOMPARE(open.size(), 1);
    QVERIFY(std::isinf(open.at(0).end));
}

void TestCaptions::timedTextRefused_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("not tt") << QByteArray("<html><body><p begin='1s'>x</p></body></html>");
    QTest::newRow("malformed") << QByteArray("<tt><body><p begin='1s'>x</body></tt>");
    QTest::newRow("bad time") << QByteArray("<tt><body><p begin='soon'>x</p></body></tt>");
    QTest::newRow("scientific time") << QByteArray("<tt><body><p begin='1e400s'>x</p></body></tt>");
    QTest::newRow("negative") << QByteArray("<tt><body><p begin='-1s'>x</p></body></tt>");
    QTest::newRow("end before begin") << QByteArray("<tt><body><p begin='5s' end='2s'>x</p></body></tt>");
    QTest::newRow("no captions") << QByteArray("<tt><body/></tt>");
    QTest::newRow("entity declaration")
        << QByteArray("<!DOCTYPE tt [<!ENTITY a 'aaaaaaaaaa'>]><tt><body><p begin='1s'>&a;</p></body></tt>");
    QTest::newRow("external entity") << QByteArray(
        "<!DOCTYPE tt [<!ENTITY s SYSTEM 'file:///etc/passwd'>]><tt><body><p>&s;</p></body></tt>");
    QByteArray deep = "<tt><body>";
    for (int i = 0; i < 100; ++i) deep += "<div>";
    QTest::newRow("too deep") << deep + "<p begin='1s'>x</p>";
}

void TestCaptions::timedTextRefused() {
    QFETCH(QByteArray, data);
    const movie::CaptionsResult result = movie::parseTimedText(data);
    QVERIFY(result.captions.isEmpty());
    QVERIFY(!result.error.isEmpty());
}

void TestCaptions::formatByNameOrContent() {
    const QByteArray srt = sample("good.srt");
    const QByteArray xml = sample("good.xml");
    QCOMPARE(movie::parseCaptions(srt, QStringLiteral("/subs/film.SRT")).captions.size(), 3);
    QCOMPARE(movie::parseCaptions(srt, QStringLiteral("http://example.test/s.srt?lang=fr")).captions.size(),
             3);
    QCOMPARE(movie::parseCaptions(xml, QStringLiteral("/subs/film.dfxp")).captions.size(), 6);
    QCOMPARE(movie::parseCaptions(xml, QStringLiteral("captions")).captions.size(), 6);
    QCOMPARE(movie::parseCaptions(srt, QStringLiteral("captions")).captions.size(), 3);
    // The name wins over the content: an .srt name with XML inside is a broken SubRip file.
    QVERIFY(!movie::parseCaptions(xml, QStringLiteral("film.srt")).error.isEmpty());
}

void TestCaptions::lookupAtPositions() {
    const movie::CaptionList captions = movie::parseSrt(sample("good.srt")).captions;
    QCOMPARE(textAt(captions, 0.0), QStringLiteral("<none>"));
    QCOMPARE(textAt(captions, 0.999), QStringLiteral("<none>"));
    QCOMPARE(textAt(captions, 1.0), QStringLiteral("Bonjour à tous\nDeuxième ligne"));
    QCOMPARE(textAt(captions, 3.499), QStringLiteral("Bonjour à tous\nDeuxième ligne"));
    QCOMPARE(textAt(captions, 3.5), QStringLiteral("<none>"));  // the end is not included
    QCOMPARE(textAt(captions, 6.0), QStringLiteral("En haut <3"));
    QCOMPARE(textAt(captions, 3599.0), QStringLiteral("Rouge"));
    QCOMPARE(textAt(captions, 4000.0), QStringLiteral("<none>"));
    QCOMPARE(textAt(movie::CaptionList(), 1.0), QStringLiteral("<none>"));
}

void TestCaptions::lookupWithOverlaps() {
    // Starts out of order in the file; the parser sorts them.
    const movie::CaptionList captions =
        movie::parseSrt("1\n00:00:02,000 --> 00:00:03,000\ncourt\n\n2\n00:00:00,000 --> 00:00:10,000\nlong\n")
            .captions;
    QCOMPARE(captions.at(0).text, QStringLiteral("long"));
    QCOMPARE(textAt(captions, 1.0), QStringLiteral("long"));
    QCOMPARE(textAt(captions, 2.5), QStringLiteral("court"));  // the one that started last
    QCOMPARE(textAt(captions, 5.0), QStringLiteral("long"));   // still showing after the short one ended
}

QTEST_GUILESS_MAIN(TestCaptions)
#include "tst_captions.moc"
