#include "StreamRecorder.h"

#include "runtime/mpv/MpvLocale.h"
#include "runtime/stream/MpvStream.h"
#include "runtime/stream/VideoSurface.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

using runtime::MpvStream;
using runtime::VideoSurface;

namespace {

constexpr int kWait = 20000;

QString media(const char* name)
{
    return qEnvironmentVariable("QUORVEL_TEST_MEDIA") + QLatin1Char('/') + QLatin1String(name);
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool allBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

}  // namespace

class TestVideoSurface : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { runtime::prepareMpvLocale(); }

    void rendersFramesAtTheWidgetSize()
    {
        VideoSurface surface;
        QCOMPARE(surface.objectName(), QStringLiteral("video"));
        surface.resize(200, 150);
        surface.show();
        MpvStream stream;
        QString error;
        QVERIFY2(stream.attachVideo(&surface, &error), qPrintable(error));
        StreamRecorder rec(&stream);
        stream.play(media("h264_aac.flv"));
        QTRY_VERIFY_WITH_TIMEOUT(surface.framesShown() > 5, kWait);
        const QImage image = surface.currentImage();
        QCOMPARE(image.size(), QSize(200, 150) * surface.devicePixelRatioF());
        QVERIFY(!allBlack(image));
        QVERIFY(surface.firstFrameMs() >= 0);
        QCOMPARE(stream.videoSize(), QSize(640, 360));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Flush"), kWait);
        QCOMPARE(stream.errorLines(), 0);
    }

    void hiddenSurfaceDoesNotHoldPlaybackBack()
    {
        VideoSurface surface;
        surface.resize(160, 120);
        MpvStream stream;
        QVERIFY(stream.attachVideo(&surface));
        StreamRecorder rec(&stream);
        stream.play(media("h263_mp3.flv"));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Flush"), kWait);
        QCOMPARE(surface.framesShown(), 0);
    }

    void surfaceMayGoBeforeTheStream()
    {
        auto surface = std::make_unique<VideoSurface>();
        surface->resize(160, 120);
        surface->show();
        MpvStream stream;
        QVERIFY(stream.attachVideo(surface.get()));
        StreamRecorder rec(&stream);
        stream.play(media("long.flv"));
        QTRY_VERIFY_WITH_TIMEOUT(surface->framesShown() > 0, kWait);
        surface.reset();
        const double at = stream.time();
        QTRY_VERIFY_WITH_TIMEOUT(stream.time() > at + 1.0, kWait);
    }

    // Not a check: with QUORVEL_MEASURE_FILE set, plays that file into a 320x240 surface and
    // prints the CPU time spent per second of media, for comparing with other players.
    void measureCpuPerMediaSecond()
    {
        const QString file = qEnvironmentVariable("QUORVEL_MEASURE_FILE");
        if (file.isEmpty())
            QSKIP("set QUORVEL_MEASURE_FILE to measure");
        VideoSurface surface;
        surface.resize(320, 240);
        surface.show();
        MpvStream stream;
        QVERIFY(stream.attachVideo(&surface));
        StreamRecorder rec(&stream);
        const double before = cpuSeconds();
        stream.play(file);
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Flush"), 600000);
        const double spent = cpuSeconds() - before;
        std::fprintf(stderr, "quorvel: measure %s: %.3f cpu s / %.3f media s = %.3f, frames %lld\n", qPrintable(file),
                     spent, stream.time(), spent / stream.time(), static_cast<long long>(surface.framesShown()));
    }
};

QTEST_MAIN(TestVideoSurface)
#include "tst_video_surface.moc"
