#include "player/movie/captions/CaptionsReader.h"
#include "player/movie/captions/SrtParser.h"
#include "player/movie/captions/TimedTextParser.h"

#include <QtTest>

#include <cmath>

namespace {

using movie::Caption;
using movie::CaptionList;

QByteArray sample(const char* name) {
    QFile file(qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QStringLiteral("/tests/captions/data/") +
               QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing test sample %s", name);
    return file.readAll();
}

QByteArray utf16WithMark(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
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
    void srtForgiving_data();
    void srtForgiving();
    void srtRefused_data();
    void srtRefused();
    void timedTextGood();
    void timedTextForgiving_data();
    void timedTextForgiving();
    void timedTextRefused_data();
    void timedTextRefused();
    void corpusReadAsFFmpegReadsIt_data();
    void corpusReadAsFFmpegReadsIt();
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

void TestCaptions::srtForgiving_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<CaptionList>("expected");
    QTest::addColumn<bool>("leftOut");  // a block was dropped, which the notice tells
    const QString accented =
        QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n\u201CÉté\u201D \u20AC \u0153\n");
    const CaptionList accentedCaption{{1, 2, QStringLiteral("\u201CÉté\u201D \u20AC \u0153")}};
    QTest::newRow("utf-8") << accented.toUtf8() << accentedCaption << false;
    QTest::newRow("utf-16 le") << utf16WithMark(accented, QStringConverter::Utf16LE) << accentedCaption
                               << false;
    QTest::newRow("utf-16 be") << utf16WithMark(accented, QStringConverter::Utf16BE) << accentedCaption
                               << false;
    QTest::newRow("windows-1252") << QByteArray(
                                         "1\n00:00:01,000 --> 00:00:02,000\n\x93\xC9t\xE9\x94 \x80 \x9C\n")
                                  << accentedCaption << false;
    QTest::newRow("broken blocks") << QByteArray(
                                          "1\n00:00:01,000 --> 00:00:02,000\nA\n\n"
                                          "2\n00:00:03,000 -> 00:00:04,000\nflèche\n\n"
                                          "3\n00:00:06,000 --> 00:00:05,000\nà l'envers\n\n"
                                          "4\nsans temps\n\n"
                                          "5\n00:00:07,000 --> 00:00:08,000\nB\n")
                                   << CaptionList{{1, 2, "A"}, {7, 8, "B"}} << true;
    QTest::newRow("blank lines lost") << QByteArray(
                                             "1\n00:00:01,000 --> 00:00:02,000\nA\n2\n00:00:03,000 --> "
                                             "00:00:04,000\nB\n00:00:05,000 --> 00:00:06,000\nC\n")
                                      << CaptionList{{1, 2, "A"}, {3, 4, "B"}, {5, 6, "C"}} << false;
    QTest::newRow("fraction digits") << QByteArray(
                                            "00:01:39 --> 00:01:41,04\nA\n\n"
                                            "00:01:42.5 --> 00:01:43.250\nB\n")
                                     << CaptionList{{99, 101.04, "A"}, {102.5, 103.25, "B"}} << false;
    QTest::newRow("coordinates") << QByteArray(
                                        "1\n00:00:01,000 --> 00:00:02,000  X1:100 X2:600 Y1:10 Y2:50\nA\n")
                                 << CaptionList{{1, 2, "A"}} << false;
    QTest::newRow("references")
        << QByteArray(
               "1\n00:00:01,000 --> 00:00:02,000\n&lt;i&gt; &amp;amp; &quot;a&quot;&apos;b&nbsp;c\n"
               "&#233;&#x20AC;&#X153; &#0; &#xD800; &#99999999; &eacute; &amp\n")
        << CaptionList{{1, 2,
                        QStringLiteral(
                            "<i> &amp; \"a\"'b\u00A0c\n\u00E9\u20AC\u0153 &#0; &#xD800; &#99999999; "
                            "&eacute; &amp")}}
        << false;
    QTest::newRow("empty text") << QByteArray(
                                       "1\n00:00:01,000 --> 00:00:02,000\n\n\n"
                                       "2\n00:00:03,000 --> 00:00:04,000\n<i></i>\n\n"
                                       "3\n00:00:05,000 --> 00:00:06,000\n<s>C</s>\n")
                                << CaptionList{{5, 6, "C"}} << false;
}

void TestCaptions::srtForgiving() {
    QFETCH(QByteArray, data);
    QFETCH(CaptionList, expected);
    QFETCH(bool, leftOut);
    const movie::CaptionsResult result = movie::parseSrt(data);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.captions, expected);
    QCOMPARE(!result.notice.isEmpty(), leftOut);
}

void TestCaptions::srtRefused_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only blank lines") << QByteArray("\n\r\n  \n");
    QTest::newRow("no timing") << QByteArray("1\nHello\n\n");
    QTest::newRow("bad separator") << QByteArray("1\n00:00:01,000 -> 00:00:02,000\nHi\n");
    QTest::newRow("minutes past 59") << QByteArray("1\n00:61:01,000 --> 00:62:02,000\nHi\n");
    QTest::newRow("end before start") << QByteArray("1\n00:00:05,000 --> 00:00:02,000\nHi\n");
    QTest::newRow("only broken blocks") << QByteArray("1\n00:00:0x,000 --> 00:00:02,000\nA\n\n2\nB\n");
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

void TestCaptions::timedTextForgiving_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<CaptionList>("expected");
    QTest::addColumn<bool>("leftOut");
    QTest::newRow("comma decimals")
        << QByteArray("<tt><body><p begin='00:00:03,503' end='00:00:05,5'>A</p></body></tt>")
        << CaptionList{{3.503, 5.5, "A"}} << false;
    QTest::newRow("unreadable p") << QByteArray(
                                         "<tt><body><p begin='bientôt'>x</p><p begin='2s' end='1s'>y</p>"
                                         "<p begin='3s' end='4s'>A</p></body></tt>")
                                  << CaptionList{{3, 4, "A"}} << true;
    QTest::newRow("unreadable div") << QByteArray(
                                           "<tt><body><div begin='1,5s'><p begin='1s' end='2s'>x</p></div>"
                                           "<div><p begin='3s' end='4s'>A</p></div></body></tt>")
                                    << CaptionList{{3, 4, "A"}} << true;
    const QString utf16 = QStringLiteral(
        "<?xml version='1.0' encoding='UTF-16'?><tt><body><p begin='1s' end='2s'>Été \u20AC</p></body></tt>");
    QTest::newRow("utf-16 le") << utf16WithMark(utf16, QStringConverter::Utf16LE)
                               << CaptionList{{1, 2, QStringLiteral("Été \u20AC")}} << false;
    QTest::newRow("utf-16 be") << utf16WithMark(utf16, QStringConverter::Utf16BE)
                               << CaptionList{{1, 2, QStringLiteral("Été \u20AC")}} << false;
}

void TestCaptions::timedTextForgiving() {
    QFETCH(QByteArray, data);
    QFETCH(CaptionList, expected);
    QFETCH(bool, leftOut);
    const movie::CaptionsResult result = movie::parseTimedText(data);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.captions, expected);
    QCOMPARE(!result.notice.isEmpty(), leftOut);
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

void TestCaptions::corpusReadAsFFmpegReadsIt_data() {
    // Captions files from other projects' test suites, kept beside the project; the counts are those
    // `ffmpeg -f srt -i FILE -f srt -` writes, and for Timed Text (which FFmpeg 5.1 does not read) the
    // <p> elements that have text.
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("count");
    QTest::newRow("capability tester") << "srt_capability-tester_bom_crlf_tags.srt" << 37;
    QTest::newRow("curly brackets") << "srt_curly-brackets.srt" << 1;
    QTest::newRow("empty cue text") << "srt_empty-cue-text.srt" << 5;
    QTest::newRow("french accents") << "srt_french-accents-utf8.srt" << 10;
    QTest::newRow("no indexes") << "srt_no-indexes.srt" << 7;
    QTest::newRow("untimed sentinel") << "srt_untimed-99h-sentinel.srt" << 43;
    QTest::newRow("timings without fraction") << "srt_invalid-timestamps.srt" << 1;
    QTest::newRow("comma clock times") << "dfxp_comma-in-clock-times.xml" << 7;
    QTest::newRow("dur instead of end") << "dfxp_dur-instead-of-end.xml" << 6;
    QTest::newRow("xhtml regions") << "dfxp_regions_xhtml-ns.xml" << 5;
    QTest::newRow("2006 namespace") << "dfxp_ttaf1-2006-04_namespace.xml" << 19;
    QTest::newRow("escaped tags") << "ttml_escaped-html-tags_entities.xml" << 8;
    QTest::newRow("untimed") << "ttml_untimed_xml-space-preserve.xml" << 1;
    QTest::newRow("empty body, refused") << "ttml_empty-body.xml" << 0;
}

void TestCaptions::corpusReadAsFFmpegReadsIt() {
    QFETCH(QString, file);
    QFETCH(int, count);
    QFile corpus(qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QStringLiteral("/../shared/corpus/captions/") +
                 file);
    if (!corpus.open(QIODevice::ReadOnly)) QSKIP("the shared corpus is not beside the project");
    const movie::CaptionsResult result = movie::parseCaptions(corpus.readAll(), file);
    QCOMPARE(result.error.isEmpty(), count > 0);
    QCOMPARE(result.captions.size(), count);
    QVERIFY2(result.notice.isEmpty(), qPrintable(result.notice));
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
