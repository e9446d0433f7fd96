// The player movie end to end: the main window loads a file, the movie plays it through the
// real stream and tells the window "play" and "pause".
#include "player/Form1.h"
#include "player/movie/views/DisplayScaling.h"
#include "runtime/component/PlayerControl.h"
#include "runtime/component/Stage.h"
#include "support/TestServices.h"

#include <QLabel>
#include <QProcess>
#include <QWidget>
#include <QtTest>

using testing::TestWorld;

namespace {

constexpr int kWait = 20000;

QWidget* stageRoot(const player::Form1& f) {
    auto* control = dynamic_cast<runtime::PlayerControl*>(f.ctrl);
    return control && control->stageObject() ? control->stageObject()->root() : nullptr;
}

template <typename T = QWidget>
T* clip(const player::Form1& f, const QString& name) {
    QWidget* root = stageRoot(f);
    return root ? root->findChild<T*>(name) : nullptr;
}

}  // namespace

class MoviePlayback : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void playsThenPausesAtTheEnd_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSizeF>("native");
        QTest::newRow("h263+mp3") << "h263_mp3.flv" << QSizeF(320, 240);
        QTest::newRow("h264+aac") << "h264_aac.flv" << QSizeF(640, 360);
        QTest::newRow("h264+aac in .mp4") << "h264_aac.mp4" << QSizeF(640, 360);
        QTest::newRow("h264+aac in .f4v") << "h264_aac.f4v" << QSizeF(640, 360);
        QTest::newRow("sound only") << "audio_only.flv" << QSizeF();
    }
    void playsThenPausesAtTheEnd() {
        QFETCH(QString, file);
        QFETCH(QSizeF, native);
        TestWorld world;
        player::Form1 f(world.services());
        f.Form_Load();
        f.form.Show();
        f.GotADrop(testing::mediaPath(file));
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), QStringLiteral("- Lecture"), kWait);
        QWidget* video = clip(f, QStringLiteral("video"));
        QVERIFY(video);
        if (!native.isEmpty()) {
            // The whole picture in the display above the control bar, proportions kept, centred;
            // the window may still be settling its size, so the rule is checked as it stands.
            QWidget* display = clip(f, QStringLiteral("display"));
            const auto placed = [&] {
                return movie::scalePicture(QStringLiteral("false"), native, QSizeF(display->size())).toRect();
            };
            QTRY_VERIFY2_WITH_TIMEOUT(video->isVisible() && video->geometry() == placed(),
                                      qPrintable(QStringLiteral("video %1,%2 %3x%4 in display %5x%6")
                                                     .arg(video->x())
                                                     .arg(video->y())
                                                     .arg(video->width())
                                                     .arg(video->height())
                                                     .arg(display->width())
                                                     .arg(display->height())),
                                      kWait);
            QCOMPARE(display->height(), stageRoot(f)->height() - 20);
        }
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), QStringLiteral("- En pause"), kWait);
        QVERIFY(!video->isVisible());
    }

    void fileWithoutDurationStillPlaysToItsEnd() {
        const QString path = QDir::tempPath() + QStringLiteral("/noduration.flv");
        QProcess ffmpeg;
        ffmpeg.start(
            QStringLiteral("ffmpeg"),
            {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
             QStringLiteral("-y"), QStringLiteral("-i"), testing::mediaPath(QStringLiteral("h263_mp3.flv")),
             QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-flvflags"),
             QStringLiteral("no_duration_filesize"), path});
        QVERIFY(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);
        TestWorld world;
        player::Form1 f(world.services());
        f.Form_Load();
        f.GotADrop(path);
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), QStringLiteral("- Lecture"), kWait);
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), QStringLiteral("- En pause"), kWait);
    }

    void unplayableFilesEndQuietly_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");  // what the display says, none when the file opened
        QTest::newRow("missing") << "missing.flv"
                                 << "Fichier introuvable";
        QTest::newRow("empty") << "zero.flv"
                               << "Format non reconnu";
        QTest::newRow("truncated") << "truncated.flv"
                                   << "";
        QTest::newRow("text") << "text.flv"
                              << "Format non reconnu";
    }
    void unplayableFilesEndQuietly() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        TestWorld world;
        player::Form1 f(world.services());
        f.Form_Load();
        f.GotADrop(testing::mediaPath(file));
        // Started, then back to standing paused once the file turns out unplayable. A missing file
        // can fail within one pass of the event loop, so the statuses shown are recorded, not polled.
        QStringList shown{f.status.Caption()};
        const auto toWindow = f.ctrl->ObjectEvent;
        f.ctrl->ObjectEvent = [&](const platform::forms::EventInfo& event) {
            toWindow(event);
            if (shown.last() != f.status.Caption()) shown << f.status.Caption();
        };
        QTRY_COMPARE_WITH_TIMEOUT(shown.last(), QStringLiteral("- En pause"), kWait);
        QVERIFY2(shown.contains(QStringLiteral("- Lecture")), qPrintable(shown.join(QLatin1Char('|'))));
        QVERIFY(!clip(f, QStringLiteral("video"))->isVisible());
        auto* shownMessage = clip<QLabel>(f, QStringLiteral("message"));
        QVERIFY(shownMessage);
        // The window is not shown here: the message counts as shown when it is not hidden.
        QCOMPARE(shownMessage->isHidden() ? QString() : shownMessage->text(), message);
    }
};

QTEST_MAIN(MoviePlayback)
#include "tst_movie_playback.moc"
