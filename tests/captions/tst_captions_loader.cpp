#include "player/movie/captions/CaptionsLoader.h"

#include <QtTest>

class TestCaptionsLoader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadsLocalFiles();
    void unreadableFileGivesAnEmptyList();
};

namespace {

movie::CaptionList loadAndWait(movie::CaptionsLoader& loader, const QString& location) {
    QSignalSpy ready(&loader, &movie::CaptionsLoader::captionsReady);
    loader.load(location);
    if (!ready.wait(20000) && ready.isEmpty()) qFatal("no captions signal");
    return ready.constFirst().constFirst().value<movie::CaptionList>();
}

}  // namespace

void TestCaptionsLoader::loadsLocalFiles() {
    const QString srt =
        qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QStringLiteral("/tests/captions/data/good.srt");
    movie::CaptionsLoader loader(nullptr);
    QCOMPARE(loadAndWait(loader, srt).size(), 3);
    QCOMPARE(loadAndWait(loader, QUrl::fromLocalFile(srt).toString()).size(), 3);
}

void TestCaptionsLoader::unreadableFileGivesAnEmptyList() {
    QTemporaryDir dir;
    QFile broken(dir.filePath(QStringLiteral("broken.srt")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("1\nno timing here\n");
    broken.close();
    movie::CaptionsLoader loader(nullptr);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^captions .*broken\\.srt: line 1: .+$"));
    QVERIFY(loadAndWait(loader, broken.fileName()).isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^captions .*absent\\.srt: .+$"));
    QVERIFY(loadAndWait(loader, dir.filePath(QStringLiteral("absent.srt"))).isEmpty());
}

QTEST_GUILESS_MAIN(TestCaptionsLoader)
#include "tst_captions_loader.moc"
