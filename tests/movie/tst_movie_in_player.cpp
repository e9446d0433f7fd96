// The movie's views as the running program builds them: loaded by the main window through
// GotADrop, with the host's own stage and the real streams.
#include "frame/WindowFrame.h"
#include "player/Form1.h"
#include "player/movie/views/CaptionsView.h"
#include "player/movie/views/ControlbarView.h"
#include "player/movie/views/EqualizerView.h"
#include "player/movie/views/controlbar/Clips.h"
#include "runtime/component/PlayerControl.h"
#include "runtime/component/Stage.h"
#include "runtime_stream/LoopbackHttpServer.h"
#include "support/TestServices.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <algorithm>

using testing::TestWorld;

namespace {

constexpr int kWait = 20000;

runtime::PlayerControl* control(const player::Form1& f) {
    return dynamic_cast<runtime::PlayerControl*>(f.ctrl);
}

runtime::Stage* stage(const player::Form1& f) {
    return control(f) ? control(f)->stageObject() : nullptr;
}

template <typename T = QWidget>
T* clip(const player::Form1& f, const QString& name) {
    runtime::Stage* s = stage(f);
    return s && s->root() ? s->root()->findChild<T*>(name) : nullptr;
}

// Loads the movie again as GotADrop did, with more root variables after "autostart=true".
void reloadWith(player::Form1& f, const QString& file, const QString& vars) {
    f.ctrl->setProperty(QStringLiteral("FlashVars"), QStringLiteral("autostart=true&") + vars);
    f.ctrl->invoke(QStringLiteral("LoadMovie"), {0, f.swffile + QStringLiteral("?file=") + file});
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(text);
    return file.fileName();
}

// A one-track playlist naming the clip and its captions.
QString playlistWithCaptions(const QTemporaryDir& dir) {
    const QString captions =
        writeFile(dir, QStringLiteral("clip.srt"), "1\n00:00:00,000 --> 00:00:09,000\nBonjour\n\n");
    const QString media = testing::mediaPath(QStringLiteral("long.flv"));
    return writeFile(
        dir, QStringLiteral("liste.xml"),
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList><track>"
                       "<location>%1</location><meta rel=\"type\">flv</meta>"
                       "<meta rel=\"captions\">%2</meta></track></trackList></playlist>\n")
            .arg(media, captions)
            .toUtf8());
}

// The clip with a captions file of its own name beside it, as people keep them.
QString clipWithCaptionsBeside(const QTemporaryDir& dir, const QByteArray& captions) {
    writeFile(dir, QStringLiteral("film.Srt"), captions);
    const QString clip = dir.filePath(QStringLiteral("film.flv"));
    return QFile::link(testing::mediaPath(QStringLiteral("long.flv")), clip) ? clip : QString();
}

// The main window as the program makes it, with its frame (the layout pass sizes the control),
// started and given a file.
struct RunningPlayer {
    explicit RunningPlayer(const QString& file) {
        f.Form_Load();
        f.form.Show();
        f.GotADrop(file);
    }
    TestWorld world;
    player::Form1 f{world.services()};
    frame::WindowFrame frame{f, frame::FrameSeams{[] {}, [] {}, true}};
};

double loudest(const QList<double>& levels) {
    return levels.isEmpty() ? 0 : *std::max_element(levels.begin(), levels.end());
}

}  // namespace

class MovieInPlayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void viewsInTheHostsStage() {
        RunningPlayer running(testing::mediaPath(QStringLiteral("long.flv")));
        player::Form1& f = running.f;
        QTRY_VERIFY_WITH_TIMEOUT(clip<movie::ControlbarView>(f, QStringLiteral("controlbar")), kWait);
        auto* bar = clip<movie::ControlbarView>(f, QStringLiteral("controlbar"));
        // The host's 320 x 260 stage: the bar under the 240-pixel display, across the stage.
        QTRY_COMPARE_WITH_TIMEOUT(bar->geometry(), QRect(0, 240, 320, 20), kWait);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->placement().fs.x, 265.0);
        QCOMPARE(bar->placement().vol.x, 283.0);
        QCOMPARE(bar->barWidths(), 164.0);
        // One item, no captions, no equalizer asked for: those clips exist but stay hidden.
        for (const QString& name :
             {QStringLiteral("playlist"), QStringLiteral("equalizer"), QStringLiteral("captions")}) {
            QWidget* other = clip(f, name);
            QVERIFY2(other && other->isHidden(), qPrintable(name));
        }
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), QStringLiteral("- Lecture"), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(bar->itemLength() > 25, kWait);
    }

    void stageResizedWhileTheFeedLoads() {
        // The playlist is held back, so the movie has started but has no views yet.
        const QString track = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist version=\"1\" "
            "xmlns=\"http://xspf.org/ns/0/\">"
            "<trackList><track><location>%1</location><meta "
            "rel=\"type\">flv</meta></track></trackList></playlist>\n");
        LoopbackHttpServer server(track.arg(testing::mediaPath(QStringLiteral("long.flv"))).toUtf8());
        server.stallAfter(0);
        QVERIFY(server.start());
        RunningPlayer running(server.url(QStringLiteral("list.xspf")));
        player::Form1& f = running.f;
        QTRY_COMPARE_WITH_TIMEOUT(server.requests(), 1, kWait);
        QVERIFY(!clip(f, QStringLiteral("controlbar")));
        // A window 100 pixels taller than its minimum of 5010 twips: a stage of 320 x 360.
        f.form.setHeight(5010 + 100 * 15);
        QTRY_COMPARE_WITH_TIMEOUT(stage(f)->stageHeight(), 360, kWait);
        server.release();
        QTRY_VERIFY_WITH_TIMEOUT(clip<movie::ControlbarView>(f, QStringLiteral("controlbar")), kWait);
        auto* bar = clip<movie::ControlbarView>(f, QStringLiteral("controlbar"));
        QTRY_COMPARE_WITH_TIMEOUT(bar->geometry(), QRect(0, 340, 320, 20), kWait);
    }

    void captionsShownAtStart_data() {
        QTest::addColumn<QByteArray>("beside");  // captions beside the clip, else a playlist names them
        QTest::addColumn<QString>("vars");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        const QString caption =
            QStringLiteral("1\n00:00:00,000 --> 00:00:09,000\n\u201C\u00C9t\u00E9\u201D\n");
        QStringEncoder utf16(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
        const QString shownText = QStringLiteral("\u201C\u00C9t\u00E9\u201D");
        QTest::newRow("playlist") << QByteArray() << QString() << "Bonjour" << true;
        QTest::newRow("playlist, usecaptions false")
            << QByteArray() << QStringLiteral("usecaptions=false") << "Bonjour" << false;
        QTest::newRow("beside, utf-16")
            << QByteArray(utf16.encode(caption)) << QString() << shownText << true;
        QTest::newRow("beside, windows-1252 with a broken block, usecaptions false")
            << QByteArray("0\nno timing\n\n1\n00:00:00,000 --> 00:00:09,000\n\x93\xC9t\xE9\x94\n")
            << QStringLiteral("usecaptions=false") << shownText << false;
    }
    void captionsShownAtStart() {
        QFETCH(QByteArray, beside);
        QFETCH(QString, vars);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        QTemporaryDir dir;
        const QString file =
            beside.isEmpty() ? playlistWithCaptions(dir) : clipWithCaptionsBeside(dir, beside);
        QVERIFY(!file.isEmpty());
        RunningPlayer running(file);
        player::Form1& f = running.f;
        if (!vars.isEmpty()) reloadWith(f, file, vars);
        QTRY_VERIFY_WITH_TIMEOUT(clip<movie::CaptionsView>(f, QStringLiteral("captions")), kWait);
        auto* captions = clip<movie::CaptionsView>(f, QStringLiteral("captions"));
        QTRY_COMPARE_WITH_TIMEOUT(captions->captions().size(), 1, kWait);
        QTRY_COMPARE_WITH_TIMEOUT(captions->text(), text, kWait);
        QCOMPARE(captions->isVisible(), shown);
        // The bar's captions button follows the same choice and turns the captions back on.
        auto* cc = clip<movie::ButtonClip>(f, QStringLiteral("cc"));
        QVERIFY(cc && cc->isVisible());
        QTest::mouseClick(cc, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(captions->isVisible(), !shown, kWait);
    }

    void fullScreenAndBack() {
        RunningPlayer running(testing::mediaPath(QStringLiteral("long.flv")));
        player::Form1& f = running.f;
        QTRY_VERIFY_WITH_TIMEOUT(clip<movie::ControlbarView>(f, QStringLiteral("controlbar")), kWait);
        auto* bar = clip<movie::ControlbarView>(f, QStringLiteral("controlbar"));
        runtime::Stage* s = stage(f);
        QWidget* root = s->root();
        QWidget* window = root->window();
        QTRY_COMPARE_WITH_TIMEOUT(bar->geometry(), QRect(0, 240, 320, 20), kWait);

        const auto checkFullScreen = [&] {
            QCOMPARE(s->displayState(), runtime::DisplayState::FullScreen);
            QVERIFY(root->window() != window);
            QTRY_VERIFY_WITH_TIMEOUT(root->width() > 320 && root->height() > 260, kWait);
            const QRect expected(qRound(root->width() / 2.0 - 200), root->height() - 40, 400, 20);
            QTRY_COMPARE_WITH_TIMEOUT(bar->geometry(), expected, kWait);
            QVERIFY(!bar->placement().fsButton.visible);
            QVERIFY(bar->placement().nsButton.visible);
        };
        const auto checkWindowed = [&] {
            QCOMPARE(s->displayState(), runtime::DisplayState::Normal);
            QCOMPARE(root->window(), window);
            QTRY_COMPARE_WITH_TIMEOUT(bar->geometry(), QRect(0, 240, 320, 20), kWait);
            QVERIFY(bar->placement().fsButton.visible);
            QVERIFY(!bar->placement().nsButton.visible);
        };

        auto* fs = clip<movie::ButtonClip>(f, QStringLiteral("fs"));
        QVERIFY(fs);
        QTest::mouseClick(fs, Qt::LeftButton);
        checkFullScreen();
        // The same button, now showing "ns", leaves.
        QTest::mouseClick(fs, Qt::LeftButton);
        checkWindowed();
        // Escape leaves too.
        QTest::mouseClick(fs, Qt::LeftButton);
        checkFullScreen();
        QTest::keyClick(root, Qt::Key_Escape);
        checkWindowed();
    }

    void equalizerFollowsTheSound() {
        const QString file = testing::mediaPath(QStringLiteral("long.flv"));
        RunningPlayer running(file);
        player::Form1& f = running.f;
        reloadWith(f, file, QStringLiteral("showeq=true"));
        QTRY_VERIFY_WITH_TIMEOUT(clip<movie::EqualizerView>(f, QStringLiteral("equalizer")), kWait);
        auto* equalizer = clip<movie::EqualizerView>(f, QStringLiteral("equalizer"));
        QVERIFY(equalizer->isVisible());
        // Over the bottom of the display, once the window has its size after the load.
        QTRY_COMPARE_WITH_TIMEOUT(equalizer->geometry(), QRect(0, 200, 320, movie::EqualizerView::kHeight),
                                  kWait);
        // The clip's tone is loud: the bars rise with it.
        QTRY_VERIFY_WITH_TIMEOUT(loudest(equalizer->shownLevels()) > 0.3, kWait);
    }
};

QTEST_MAIN(MovieInPlayer)
#include "tst_movie_in_player.moc"
