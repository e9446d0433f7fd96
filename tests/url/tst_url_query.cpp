#include "platform/url/UrlQuery.h"

#include <QtTest>

using platform::escapeQueryValue;
using platform::splitQuery;

class UrlQueryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void escapedFormKeepsSlashesAndColonsReadable();
    void unescapes_data();
    void unescapes();
    void splitQueryPairs();
    void escapedPathSurvivesQuerySplitting();
};

void UrlQueryTest::roundTrip_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("percent, ampersand, hash") << QStringLiteral("/home/u/50%25 off & more #1.flv");
    QTest::newRow("non-latin") << QStringLiteral("/home/u/видео/東京 ☃.flv");
    QTest::newRow("plus") << QStringLiteral("/tmp/a+b.flv");
    QTest::newRow("equals and question mark") << QStringLiteral("/tmp/a=b?c.flv");
    QTest::newRow("trailing percent") << QStringLiteral("/tmp/100%");
    QTest::newRow("bad escape kept") << QStringLiteral("/tmp/%zz.flv");
    QTest::newRow("control characters") << QStringLiteral("/tmp/a\tb\nc\x01.flv");
    QTest::newRow("url-unsafe ascii") << QStringLiteral("/tmp/\"<a>\\^`{|}[]'.flv");
    QTest::newRow("emoji beyond the BMP") << QStringLiteral("/tmp/\U0001F600.flv");
    QTest::newRow("latin-1 accents") << QStringLiteral("C:/Vidéos/été.flv");
}

void UrlQueryTest::roundTrip() {
    QFETCH(QString, value);
    const QString escaped = escapeQueryValue(value);
    for (const QChar c : escaped) {
        QVERIFY2(c.unicode() > 0x20 && c.unicode() < 0x7F, qPrintable(escaped));
        QVERIFY2(QStringLiteral("&#+=? ").indexOf(c) < 0, qPrintable(escaped));
    }
    QCOMPARE(platform::unescapeQueryValue(escaped), value);
    // The URL machinery must not rewrite the escaped form either.
    const QUrl url(QStringLiteral("file:///tmp/movie.qmv?file=") + escaped);
    QCOMPARE(splitQuery(url.query(QUrl::FullyEncoded)).value(0).second, value);
}

void UrlQueryTest::escapedFormKeepsSlashesAndColonsReadable() {
    QCOMPARE(escapeQueryValue(QStringLiteral("C:/films/un film.flv")),
             QStringLiteral("C:/films/un%20film.flv"));
    QCOMPARE(escapeQueryValue(QStringLiteral("é")), QStringLiteral("%C3%A9"));
}

void UrlQueryTest::unescapes_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("utf-8 sequence") << "%C3%A9t%C3%A9" << QStringLiteral("été");
    QTest::newRow("lower-case hex") << "%c3%a9" << QStringLiteral("é");
    QTest::newRow("plus stays") << "a+b"
                                << "a+b";
    QTest::newRow("trailing percent") << "100%"
                                      << "100%";
    QTest::newRow("percent and one digit") << "x%4"
                                           << "x%4";
    QTest::newRow("not hex") << "%zz%g1"
                             << "%zz%g1";
    QTest::newRow("escaped percent then digits") << "50%2541"
                                                 << "50%41";
    QTest::newRow("latin-1 byte") << "%E9t%E9" << QStringLiteral("été");
    QTest::newRow("utf-8 then stray byte") << "%C3%A9%E9" << QStringLiteral("éé");
    QTest::newRow("truncated utf-8") << "%E2%82" << QStringLiteral("\u00E2\u0082");
    QTest::newRow("four-byte utf-8") << "%F0%9F%98%80" << QStringLiteral("\U0001F600");
    QTest::newRow("plain text") << "abc/def:g"
                                << "abc/def:g";
    QTest::newRow("empty") << ""
                           << "";
}

void UrlQueryTest::unescapes() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(platform::unescapeQueryValue(input), expected);
}

void UrlQueryTest::splitQueryPairs() {
    const QList<platform::QueryPair> pairs =
        splitQuery(QStringLiteral("?file=a%3Db.flv&&autostart=true&flag&x=1=2&%C3%A9=%C3%A9"));
    const QList<platform::QueryPair> expected = {{"file", "a=b.flv"},
                                                 {"autostart", "true"},
                                                 {"flag", ""},
                                                 {"x", "1=2"},
                                                 {QStringLiteral("é"), QStringLiteral("é")}};
    QCOMPARE(pairs, expected);
    QVERIFY(splitQuery(QString()).isEmpty());
    QVERIFY(splitQuery(QStringLiteral("?")).isEmpty());
}

void UrlQueryTest::escapedPathSurvivesQuerySplitting() {
    const QString path = QStringLiteral("/home/u/a&b=c#d?e+f%20.flv");
    const QString query =
        QStringLiteral("file=") + escapeQueryValue(path) + QStringLiteral("&autostart=true");
    const QList<platform::QueryPair> pairs = splitQuery(query);
    QCOMPARE(pairs.size(), 2);
    QCOMPARE(pairs.at(0), platform::QueryPair(QStringLiteral("file"), path));
    QCOMPARE(pairs.at(1), platform::QueryPair(QStringLiteral("autostart"), QStringLiteral("true")));
}

QTEST_GUILESS_MAIN(UrlQueryTest)
#include "tst_url_query.moc"
