#include "StreamRecorder.h"

#include "runtime/mpv/MpvInstances.h"
#include "runtime/mpv/MpvLocale.h"
#include "runtime/stream/MpvStream.h"
#include "runtime/stream/VideoSurface.h"

#include <QApplication>
#include <QTest>

#include <memory>

using runtime::MpvStream;
using runtime::VideoSurface;

namespace {

constexpr int kWait = 20000;

QString media(const char* name) {
    return qEnvironmentVariable("QUORVEL_TEST_MEDIA") + QLatin1Char('/') + QLatin1String(name);
}

bool allBlack(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0) return false;
    return true;
}

// The padding byte of every pixel as stored: QImage::pixel() would report 0xFF whatever it holds.
bool paddingOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] >> 24) != 0xFF) return false;
    }
    return true;
}

}  // namespace

class TestVideoSurface : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { runtime::prepareMpvLocale(); }

    void rendersFramesAtTheWidgetSize() {
        VideoSurface surface;
        QCOMPARE(surface.objectName(), QStringLiteral("video"));
        surface.resize(200, 150);
        surface.show();
        MpvStream stream(m_mpv);
        QString error;
        QVERIFY2(stream.attachVideo(&surface, &error), qPrintable(error));
        StreamRecorder rec(&stream);
        stream.play(media("h264_aac.flv"));
        QTRY_VERIFY_WITH_TIMEOUT(surface.framesShown() > 5, kWait);
        const QImage image = surface.currentImage();
        QCOMPARE(image.size(), QSize(200, 150) * surface.devicePixelRatioF());
        QVERIFY(!allBlack(image));
        QVERIFY(paddingOpaque(image));
        QVERIFY(surface.firstFrameMs() >= 0);
        QCOMPARE(stream.videoSize(), QSize(640, 360));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Flush"), kWait);
        QCOMPARE(stream.errorLines(), 0);
    }

    void hiddenSurfaceDoesNotHoldPlaybackBack() {
        VideoSurface surface;
        surface.resize(160, 120);
        MpvStream stream(m_mpv);
        QVERIFY(stream.attachVideo(&surface));
        StreamRecorder rec(&stream);
        stream.play(media("h263_mp3.flv"));
        QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Buffer.Flush"), kWait);
        QCOMPARE(surface.framesShown(), 0);
    }

    void surfaceMayGoBeforeTheStream() {
        auto surface = std::make_unique<VideoSurface>();
        surface->resize(160, 120);
        surface->show();
        MpvStream stream(m_mpv);
        QVERIFY(stream.attachVideo(surface.get()));
        StreamRecorder rec(&stream);
        stream.play(media("long.flv"));
        QTRY_VERIFY_WITH_TIMEOUT(surface->framesShown() > 0, kWait);
        surface.reset();
        const double at = stream.time();
        QTRY_VERIFY_WITH_TIMEOUT(stream.time() > at + 1.0, kWait);
    }

private:
    runtime::MpvInstances m_mpv;
};

QTEST_MAIN(TestVideoSurface)
#include "tst_video_surface.moc"
