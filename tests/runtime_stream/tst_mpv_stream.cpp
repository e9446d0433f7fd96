#include "LoopbackHttpServer.h"
#include "StreamRecorder.h"

#include "runtime/mpv/MpvCore.h"
#include "runtime/mpv/MpvInstances.h"
#include "runtime/mpv/MpvLocale.h"
#include "runtime/mpv/MpvNames.h"
#include "runtime/stream/MpvStream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTest>

#include <sys/stat.h>
#include <memory>

using runtime::MpvStream;

namespace {

constexpr int kWait = 20000;

QString media(const QString& name) {
    return qEnvironmentVariable("QUORVEL_TEST_MEDIA") + QLatin1Char('/') + name;
}

int threadCount() {
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

}  // namespace

class TestMpvStream : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { runtime::prepareMpvLocale(); }

    void everyNameIsKnownToLibmpv() {
        runtime::MpvCore core(m_mpv);
        QVERIFY2(core.isValid(), qPrintable(core.errorText()));
        for (const char* option : runtime::mpvname::kOptionNames)
            QVERIFY2(
                core.value(qPrintable(QStringLiteral("option-info/%1").arg(QLatin1String(option)))).isValid(),
                option);
        const QStringList properties = core.value("property-list").toStringList();
        for (const char* property : runtime::mpvname::kPropertyNames)
            QVERIFY2(properties.contains(QLatin1String(property)), property);
    }

    void playsToTheEnd_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("width");
        QTest::newRow("h263+mp3") << "h263_mp3.flv" << 320.0;
        QTest::newRow("h264+aac") << "h264_aac.flv" << 640.0;
        QTest::newRow("sound only") << "audio_only.flv" << 0.0;
        QTest::newRow("mp3, not FLV") << "audio.mp3" << 0.0;
    }
    void playsToTheEnd() {
        QFETCH(QString, file);
        QFETCH(double, width);
        MpvStream stream(m_mpv);
        QVERIFY2(stream.isValid(), qPrintable(stream.errorText()));
        StreamRecorder rec(&stream);
        stream.play(media(file));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Play.Start"), kWait);
        QCOMPARE(rec.codes.first(), QStringLiteral("NetStream.Play.Start"));
        QTRY_VERIFY_WITH_TIMEOUT(stream.time() > 0.5, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Flush"), kWait);
        QCOMPARE(rec.indexOf("NetStream.Buffer.Flush"), rec.indexOf("NetStream.Play.Stop") + 1);
        QVERIFY(stream.time() > 2.5);
        QVERIFY(!rec.has("NetStream.Play.StreamNotFound"));

        QCOMPARE(rec.metadata.size(), 1);
        QVERIFY(std::abs(rec.metadata[0].duration - 3.0) < 0.3);
        QCOMPARE(rec.metadata[0].width, width);
        const qint64 size = QFileInfo(media(file)).size();
        QCOMPARE(stream.bytesTotal(), size);
        QCOMPARE(stream.bytesLoaded(), size);
        QVERIFY(stream.bufferLength() < 1.0);
        QCOMPARE(stream.errorLines(), 0);
    }

    void pauseSeekResume() {
        MpvStream stream(m_mpv);
        StreamRecorder rec(&stream);
        stream.setBufferTime(2);
        QCOMPARE(stream.bufferTime(), 2.0);
        stream.play(media(QStringLiteral("long.flv")));
        QTRY_VERIFY_WITH_TIMEOUT(stream.time() > 0.3, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(stream.bufferLength() > 1.0, kWait);
        stream.pause();
        stream.seek(12);
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Seek.Notify"), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(stream.time() - 12) < 0.5, kWait);
        stream.resume();
        QTRY_VERIFY_WITH_TIMEOUT(stream.time() > 12.6, kWait);
        QVERIFY(!rec.has("NetStream.Play.Stop"));
        QCOMPARE(rec.metadata.size(), 1);
        QVERIFY(std::abs(rec.metadata[0].duration - 30) < 0.5);
    }

    void replaysAfterTheEnd() {
        MpvStream stream(m_mpv);
        StreamRecorder rec(&stream);
        stream.play(media(QStringLiteral("h263_mp3.flv")));
        QTRY_COMPARE_WITH_TIMEOUT(rec.codes.count(QStringLiteral("NetStream.Play.Stop")), 1, kWait);
        // The end is a pause at the last frame: a seek back plays the file again.
        stream.seek(0);
        stream.resume();
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Seek.Notify"), kWait);
        QTRY_COMPARE_WITH_TIMEOUT(rec.codes.count(QStringLiteral("NetStream.Play.Stop")), 2, kWait);
    }

    void closeWhilePlayingThenPlayAgain() {
        auto stream = std::make_unique<MpvStream>(m_mpv);
        StreamRecorder rec(stream.get());
        stream->play(media(QStringLiteral("long.flv")));
        QTRY_VERIFY_WITH_TIMEOUT(stream->time() > 0.3, kWait);
        stream->close();
        QCOMPARE(stream->time(), 0.0);
        QCOMPARE(stream->bytesTotal(), 0);
        rec.codes.clear();
        stream->play(media(QStringLiteral("h263_mp3.flv")));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Play.Start"), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(stream->time() > 0.3, kWait);
        stream.reset();  // destroyed while playing
    }

    void destroyingManyStreamsLeavesNoThreads() {
        // One stream first, so threads that libraries keep for the process already exist.
        {
            MpvStream warm(m_mpv);
            StreamRecorder rec(&warm);
            warm.play(media(QStringLiteral("long.flv")));
            QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Play.Start"), kWait);
        }
        m_mpv.teardowns.waitAll();
        const int before = threadCount();
        for (int i = 0; i < 50; ++i) {
            MpvStream stream(m_mpv);
            StreamRecorder rec(&stream);
            stream.play(media(QStringLiteral("long.flv")));
            if (i % 2 == 0)  // half of them mid-open, half playing
                QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Play.Start"), kWait);
        }
        m_mpv.teardowns.waitAll();
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before, kWait);
    }

    void unplayableInputIsNotFound_data() {
        QTest::addColumn<QString>("url");
        const QString scratch = qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath());
        const QString fifo = scratch + QStringLiteral("/pipe.flv");
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        QTest::newRow("missing") << media(QStringLiteral("absent.flv"));
        QTest::newRow("zero bytes") << media(QStringLiteral("zero.flv"));
        QTest::newRow("text renamed .flv") << media(QStringLiteral("text.flv"));
        QTest::newRow("folder") << qEnvironmentVariable("QUORVEL_TEST_MEDIA");
        QTest::newRow("fifo") << fifo;
        QTest::newRow("empty") << QString();
        QTest::newRow("other scheme") << QStringLiteral("ftp://127.0.0.1/a.flv");
        QTest::newRow("refused connection") << QStringLiteral("http://127.0.0.1:1/a.flv");
    }
    void unplayableInputIsNotFound() {
        QFETCH(QString, url);
        MpvStream stream(m_mpv);
        StreamRecorder rec(&stream);
        stream.play(url);
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Play.StreamNotFound"), kWait);
        QCOMPARE(rec.codes, QStringList{QStringLiteral("NetStream.Play.StreamNotFound")});
        QVERIFY(rec.metadata.isEmpty());
    }

    // A playlist moves on to its next item, and so drops this stream, when told an item is not
    // found: the stream and its core must not be touched after that signal.
    void listenerMayDeleteTheStreamWhenNotFound_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("refused before libmpv") << QStringLiteral("absent.flv");
        QTest::newRow("refused by libmpv") << QStringLiteral("text.flv");
    }
    void listenerMayDeleteTheStreamWhenNotFound() {
        QFETCH(QString, file);
        auto* stream = new MpvStream(m_mpv);
        QPointer<MpvStream> alive(stream);
        QObject::connect(stream, &runtime::Stream::status, stream,
                         [stream](const runtime::StreamStatus& status) {
                             if (status.code == runtime::StreamCode::StreamNotFound) delete stream;
                         });
        stream->play(media(file));
        QTRY_VERIFY_WITH_TIMEOUT(!alive, kWait);
        QTest::qWait(200);  // whatever libmpv still had to say reaches nobody
    }

    void localPlaylistCannotReachTheNetwork() {
        QFile file(media(QStringLiteral("h263_mp3.flv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        LoopbackHttpServer server(file.readAll());
        QVERIFY(server.start());
        const QString path =
            qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath()) + QStringLiteral("/list.flv");
        QFile list(path);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("#EXTM3U\n#EXT-X-TARGETDURATION:3\n#EXTINF:3,\n" +
                   server.url(QStringLiteral("a.ts")).toUtf8() + "\n#EXT-X-ENDLIST\n");
        list.close();
        MpvStream stream(m_mpv);
        StreamRecorder rec(&stream);
        stream.play(path);
        QTRY_VERIFY_WITH_TIMEOUT(
            rec.has("NetStream.Play.StreamNotFound") || rec.has("NetStream.Buffer.Flush"), kWait);
        QCOMPARE(server.requests(), 0);
    }

    void truncatedFileEndsCleanly() {
        MpvStream stream(m_mpv);
        StreamRecorder rec(&stream);
        stream.play(media(QStringLiteral("truncated.flv")));
        QTRY_VERIFY_WITH_TIMEOUT(
            rec.has("NetStream.Buffer.Flush") || rec.has("NetStream.Play.StreamNotFound"), kWait);
    }

    void progressiveHttp() {
        QFile file(media(QStringLiteral("h263_mp3.flv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        LoopbackHttpServer server(file.readAll());
        QVERIFY(server.start());
        MpvStream stream(m_mpv);
        StreamRecorder rec(&stream);
        stream.play(server.url(QStringLiteral("clip.flv")));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Play.Start"), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(stream.bytesTotal() == file.size() && stream.bytesLoaded() == file.size(),
                                 kWait);
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Flush"), kWait);
        QVERIFY(stream.time() > 2.5);
        QCOMPARE(rec.metadata.size(), 1);
        QVERIFY(std::abs(rec.metadata[0].duration - 3.0) < 0.3);
        QCOMPARE(rec.metadata[0].width, 320.0);
    }

    void bufferRunsDryAndRefills() {
        QFile file(media(QStringLiteral("h263_mp3.flv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        LoopbackHttpServer server(file.readAll());
        server.stallAfter(file.size() * 2 / 3);
        QVERIFY(server.start());
        MpvStream stream(m_mpv);
        StreamRecorder rec(&stream);
        stream.play(server.url(QStringLiteral("clip.flv")));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Empty"), kWait);
        QVERIFY(!rec.has("NetStream.Play.Stop"));
        QVERIFY(stream.bytesLoaded() < stream.bytesTotal());
        rec.codes.clear();
        server.release();
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Full"), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Flush"), kWait);
        QCOMPARE(stream.bytesLoaded(), file.size());
    }

    void destroyingAStalledDownloadDoesNotHang() {
        QFile file(media(QStringLiteral("long.flv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        LoopbackHttpServer server(file.readAll());
        server.stallAfter(1000000);
        QVERIFY(server.start());
        auto stream = std::make_unique<MpvStream>(m_mpv);
        StreamRecorder rec(stream.get());
        stream->play(server.url(QStringLiteral("long.flv")));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Play.Start"), kWait);
        QVERIFY(stream->bytesLoaded() < stream->bytesTotal());
        stream.reset();
    }

    // Last: from here on every stream takes the instance started ahead, and starts the next.
    void streamsTakeTheInstanceStartedAhead() {
        m_mpv.spare.prepare();
        for (const char* file : {"h263_mp3.flv", "audio_only.flv", "h264_aac.flv"}) {
            MpvStream stream(m_mpv);
            QVERIFY2(stream.isValid(), qPrintable(stream.errorText()));
            StreamRecorder rec(&stream);
            stream.play(media(QLatin1String(file)));
            QTRY_VERIFY_WITH_TIMEOUT(stream.time() > 0.3, kWait);
            QCOMPARE(rec.codes.first(), QStringLiteral("NetStream.Play.Start"));
        }
    }

private:
    runtime::MpvInstances m_mpv;
};

QTEST_GUILESS_MAIN(TestMpvStream)
#include "tst_mpv_stream.moc"
