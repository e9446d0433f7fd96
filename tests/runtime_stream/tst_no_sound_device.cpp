// With no sound device at all (no sound server, no ALSA device), a file plays on without sound:
// time advances, and the user is told once.
#include "StreamRecorder.h"

#include "runtime/mpv/MpvInstances.h"
#include "runtime/mpv/MpvLocale.h"
#include "runtime/stream/MpvStream.h"

#include <QDir>
#include <QFile>
#include <QTest>

using runtime::MpvStream;

namespace {

constexpr int kWait = 20000;
const char kFallbackMessage[] = "no sound device could be opened; playing on without sound";

QString media(const char* name) {
    return qEnvironmentVariable("QUORVEL_TEST_MEDIA") + QLatin1Char('/') + QLatin1String(name);
}

}  // namespace

class TestNoSoundDevice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        runtime::prepareMpvLocale();
        // Every output libmpv probes is pointed at nothing, whatever this machine has.
        const QString scratch = qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath());
        const QString noCards = scratch + QStringLiteral("/no-sound-cards.conf");
        QFile empty(noCards);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        qunsetenv("QUORVEL_AUDIO_OUTPUT");
        qputenv("ALSA_CONFIG_PATH", noCards.toLocal8Bit());
        qputenv("PULSE_SERVER", QByteArrayLiteral("unix:/nonexistent/pulse"));
        qputenv("PIPEWIRE_REMOTE", QByteArrayLiteral("/nonexistent/pipewire"));
        qputenv("JACK_NO_START_SERVER", QByteArrayLiteral("1"));
        qputenv("SDL_AUDIODRIVER", QByteArrayLiteral("alsa"));
    }

    void soundOnlyFilePlaysThroughSilently() {
        QTest::ignoreMessage(QtWarningMsg, kFallbackMessage);
        for (int player = 0; player < 2; ++player) {
            MpvStream stream(m_mpv);
            StreamRecorder rec(&stream);
            stream.play(media("audio_only.flv"));
            QTRY_VERIFY_WITH_TIMEOUT(stream.time() > 1.0, kWait);
            QTRY_VERIFY_WITH_TIMEOUT(rec.has("NetStream.Play.Stop"), kWait);
        }
        // Said once, not for every player.
        QTest::failOnWarning(QRegularExpression(QLatin1String(kFallbackMessage)));
        MpvStream third(m_mpv);
        third.play(media("audio_only.flv"));
        QTRY_VERIFY_WITH_TIMEOUT(third.time() > 0.5, kWait);
    }

private:
    runtime::MpvInstances m_mpv;
};

QTEST_GUILESS_MAIN(TestNoSoundDevice)
#include "tst_no_sound_device.moc"
