// The sound level a stream measures for the equalizer: read from the filter's figures, and from
// real playback of a tone and of silence through the null audio output.
#include "runtime/mpv/MpvInstances.h"
#include "runtime/mpv/MpvLocale.h"
#include "runtime/stream/MpvStream.h"
#include "runtime/stream/SoundLevels.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int kWait = 20000;

double loudest(const QList<double>& levels) {
    return levels.isEmpty() ? 0 : *std::max_element(levels.begin(), levels.end());
}

// Five seconds of FLV sound from one of ffmpeg's sources.
QString makeClip(const QString& name, const QString& source) {
    const QString path = QDir::tempPath() + QLatin1Char('/') + name;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                  QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  source, QStringLiteral("-t"), QStringLiteral("5"), QStringLiteral("-c:a"),
                  QStringLiteral("libmp3lame"), QStringLiteral("-ar"), QStringLiteral("44100"), path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 ? path : QString();
}

}  // namespace

class SoundLevel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { runtime::prepareMpvLocale(); }

    void figuresToLevels() {
        using runtime::soundLevelsFromMetadata;
        const QVariantMap stereo{{QStringLiteral("lavfi.astats.1.RMS_level"), QStringLiteral("-30.000000")},
                                 {QStringLiteral("lavfi.astats.1.Peak_level"), QStringLiteral("0.000000")},
                                 {QStringLiteral("lavfi.astats.2.RMS_level"), QStringLiteral("-inf")},
                                 {QStringLiteral("lavfi.astats.2.Peak_level"), QStringLiteral("-90")},
                                 {QStringLiteral("lavfi.astats.Overall.Peak_level"), QStringLiteral("0.0")}};
        QCOMPARE(soundLevelsFromMetadata(stereo), (QList<double>{0.5, 1.0, 0.0, 0.0}));
        // Louder than full scale (a clipped mix) stays at the top; unreadable figures read as nothing.
        const QVariantMap odd{{QStringLiteral("lavfi.astats.1.RMS_level"), QStringLiteral("6.0")},
                              {QStringLiteral("lavfi.astats.1.Peak_level"), QStringLiteral("fort")},
                              {QStringLiteral("lavfi.astats.3.RMS_level"), QStringLiteral("0")}};
        QCOMPARE(soundLevelsFromMetadata(odd), (QList<double>{1.0, 0.0}));
        QVERIFY(soundLevelsFromMetadata({}).isEmpty());
    }

    void toneAndSilence_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("loud");
        QTest::newRow("tone") << QStringLiteral("sine=frequency=440:sample_rate=44100") << true;
        QTest::newRow("silence") << QStringLiteral("anullsrc=channel_layout=stereo:sample_rate=44100")
                                 << false;
    }
    void toneAndSilence() {
        QFETCH(QString, source);
        QFETCH(bool, loud);
        const QString clip = makeClip(QStringLiteral("level-%1.flv").arg(loud ? "tone" : "silence"), source);
        QVERIFY(!clip.isEmpty());
        runtime::MpvStream stream(m_mpv);
        QVERIFY2(stream.isValid(), qPrintable(stream.errorText()));
        stream.setLevelMetering(true);
        stream.play(clip);
        QTRY_VERIFY_WITH_TIMEOUT(!stream.soundLevels().isEmpty(), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(stream.time() > 1, kWait);
        if (loud)
            QTRY_VERIFY_WITH_TIMEOUT(loudest(stream.soundLevels()) > 0.5, kWait);
        else
            QCOMPARE(loudest(stream.soundLevels()), 0.0);
        stream.close();
        QVERIFY(stream.soundLevels().isEmpty());
    }

    void nothingMeasuredUnlessAsked() {
        const QString clip =
            makeClip(QStringLiteral("level-plain.flv"), QStringLiteral("sine=frequency=440"));
        QVERIFY(!clip.isEmpty());
        runtime::MpvStream stream(m_mpv);
        stream.play(clip);
        QTRY_VERIFY_WITH_TIMEOUT(stream.time() > 1, kWait);
        QVERIFY(stream.soundLevels().isEmpty());
    }

private:
    runtime::MpvInstances m_mpv;
};

QTEST_MAIN(SoundLevel)
#include "tst_sound_level.moc"
