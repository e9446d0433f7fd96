// Quorvel's sound reaches a real sound server: the demo clip's tone is heard at its pitch on the
// server's sink, and pausing silences it.
#include "WindowPoints.h"
#include "support/DesktopSession.h"

#include <QRegularExpression>
#include <QtTest>

using testing::DesktopSession;
using testing::waitUntil;

namespace {

constexpr int kWait = 30000;
constexpr double kToneHz = 330;  // resources/demo/make-demo.sh

struct SoundStats {
    double rms = -1;
    double frequency = -1;
};

// Records the sink's monitor for a while and measures it with sox. The demo's short beeps, two
// octaves up, are filtered out so the rough frequency is the tone's.
SoundStats record(const DesktopSession& session, int ms) {
    QProcess parec;
    parec.setProcessEnvironment(session.environment());
    parec.start(QStringLiteral("parec"), {QStringLiteral("--device=") + session.soundMonitor(),
                                          QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                          QStringLiteral("--rate=44100"), QStringLiteral("--channels=1")});
    if (!parec.waitForStarted(kWait)) return {};
    QTest::qWait(ms);
    const QString raw = session.runtimeFolder() + QStringLiteral("/recorded.raw");
    QFile file(raw);
    file.open(QIODevice::WriteOnly);
    file.write(parec.readAllStandardOutput());
    file.close();
    parec.kill();
    parec.waitForFinished();

    QProcess sox;
    sox.setProcessChannelMode(QProcess::MergedChannels);
    sox.start(QStringLiteral("sox"),
              {QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-r"), QStringLiteral("44100"),
               QStringLiteral("-e"), QStringLiteral("signed"), QStringLiteral("-b"), QStringLiteral("16"),
               QStringLiteral("-c"), QStringLiteral("1"), raw, QStringLiteral("-n"),
               QStringLiteral("lowpass"), QStringLiteral("600"), QStringLiteral("stat")});
    if (!sox.waitForFinished(kWait)) return {};
    const QString out = QString::fromLocal8Bit(sox.readAll());
    auto field = [&](const char* name) {
        const auto match = QRegularExpression(QLatin1String(name) + QStringLiteral(":\\s*(\\S+)")).match(out);
        return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
    };
    return {field("RMS\\s+amplitude"), field("Rough\\s+frequency")};
}

}  // namespace

class TestDesktopSound : public QObject {
    Q_OBJECT
private slots:
    void toneIsHeardAndPauseSilencesIt() {
        DesktopSession session;
        QString error;
        QVERIFY2(session.startX11(&error), qPrintable(error));
        QVERIFY2(session.startSound(&error), qPrintable(error));
        session.startQuorvel(DesktopSession::Platform::X11, {qEnvironmentVariable("QUORVEL_SOURCE_DIR") +
                                                             QStringLiteral("/resources/demo/demo.flv")});
        const QString window = session.waitForWindow(QStringLiteral("^Quorvel : "));
        QVERIFY2(!window.isEmpty(), "Quorvel's window did not show");

        SoundStats heard;
        QVERIFY2(waitUntil([&] { return (heard = record(session, 500)).rms > 0.01; }, kWait),
                 "no sound reached the sink");
        heard = record(session, 2000);
        QVERIFY2(qAbs(heard.frequency - kToneHz) < kToneHz / 10,
                 qPrintable(QStringLiteral("tone at %1 Hz").arg(heard.frequency)));

        // A click on the picture pauses.
        const QRect w = session.windowGeometry(window);
        session.click(window_points::picture(w));
        SoundStats paused;
        QVERIFY2(
            waitUntil([&] { return (paused = record(session, 500)).rms >= 0 && paused.rms < 0.001; }, kWait),
            qPrintable(QStringLiteral("still %1 RMS after pausing").arg(paused.rms)));
    }
};

QTEST_GUILESS_MAIN(TestDesktopSound)
#include "tst_desktop_sound.moc"
