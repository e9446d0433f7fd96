// The player movie packed into the program: it decodes and carries every icon the control bar
// and the display draw, each a valid picture of a size that fits where it is drawn.
#include "runtime/moviefile/MovieFile.h"

#include <QFile>
#include <QSvgRenderer>
#include <QtTest>

class TestMovieAssets : public QObject {
    Q_OBJECT

private slots:
    void movieHoldsEveryIcon_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxSide");
        // Control-bar icons sit in 17 to 20 pixel buttons of a 20-pixel bar.
        for (const char* name : {"ply", "pas", "prev", "next", "fs", "ns", "cc", "vol", "knob"})
            QTest::newRow(name) << QStringLiteral("%1.svg").arg(QLatin1String(name)) << 12;
        QTest::newRow("activity") << "activity.svg" << 64;
        QTest::newRow("playicon") << "playicon.svg" << 64;
    }
    void movieHoldsEveryIcon() {
        QFETCH(QString, name);
        QFETCH(int, maxSide);
        QFile file(QStringLiteral(":/CUSTOM/101"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const std::optional<runtime::Movie> movie = runtime::decodeMovie(file.readAll(), &error);
        QVERIFY2(movie, qPrintable(error));
        QCOMPARE(movie->stageWidth, 320);
        QCOMPARE(movie->stageHeight, 260);
        const QByteArray* svg = movie->asset(name);
        QVERIFY2(svg, qPrintable(name));
        QSvgRenderer renderer(*svg);
        QVERIFY(renderer.isValid());
        const QSize size = renderer.defaultSize();
        QVERIFY(size.width() > 0 && size.height() > 0);
        QVERIFY(size.width() <= maxSide && size.height() <= maxSide);
        if (name == QLatin1String("playicon.svg")) QVERIFY(size.width() >= 48);
    }
};

QTEST_MAIN(TestMovieAssets)
#include "tst_movie_assets.moc"
