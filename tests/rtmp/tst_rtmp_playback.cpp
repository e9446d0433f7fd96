// RTMP streams from a real server: nginx with its RTMP module on loopback serves the test media,
// and the main window plays them through the movie as a user would.
#include "frame/WindowFrame.h"
#include "player/Form1.h"
#include "player/movie/views/ControlbarView.h"
#include "player/movie/views/controlbar/Clips.h"
#include "rtmp/NginxRtmpServer.h"
#include "runtime/component/PlayerControl.h"
#include "runtime/component/Stage.h"
#include "support/TestServices.h"

#include <QFileInfo>
#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kWait = 20000;
const QString kPlaying = QStringLiteral("- Lecture");
const QString kPaused = QStringLiteral("- En pause");

template <typename T = QWidget>
T* clip(const player::Form1& f, const QString& name) {
    auto* control = dynamic_cast<runtime::PlayerControl*>(f.ctrl);
    QWidget* root = control && control->stageObject() ? control->stageObject()->root() : nullptr;
    return root ? root->findChild<T*>(name) : nullptr;
}

// The elapsed time the control bar shows, in seconds; -1 before it shows one.
int elapsedShown(const player::Form1& f) {
    auto* text = clip<movie::TextClip>(f, QStringLiteral("elpTxt"));
    const QStringList parts = text ? text->text().split(QLatin1Char(':')) : QStringList();
    return parts.size() == 2 ? parts.at(0).toInt() * 60 + parts.at(1).toInt() : -1;
}

void press(const player::Form1& f, const QString& button) {
    auto* target = clip<movie::ButtonClip>(f, button);
    QVERIFY2(target, qPrintable(button));
    QTest::mouseClick(target, Qt::LeftButton);
}

struct RunningPlayer {
    explicit RunningPlayer(const QString& file) {
        f.Form_Load();
        f.form.Show();
        f.GotADrop(file);
    }
    testing::TestWorld world;
    player::Form1 f{world.services()};
    frame::WindowFrame frame{f, frame::FrameSeams{[] {}, [] {}, true}};
};

}  // namespace

class RtmpPlayback : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_server = std::make_unique<NginxRtmpServer>(
            QFileInfo(testing::mediaPath(QStringLiteral("long.flv"))).path());
        QVERIFY2(m_server->start(), qPrintable(m_server->error()));
    }
    void cleanup() { m_server.reset(); }

    void playsPausesAndSeeks() {
        RunningPlayer running(m_server->application() + QStringLiteral("/long_indexed.flv"));
        player::Form1& f = running.f;
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), kPlaying, kWait);
        auto* bar = clip<movie::ControlbarView>(f, QStringLiteral("controlbar"));
        QVERIFY(bar);
        // The stream's metadata give its length: a file served, not a live stream.
        QTRY_VERIFY_WITH_TIMEOUT(bar->itemLength() > 25, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(elapsedShown(f) >= 1, kWait);

        press(f, QStringLiteral("playpause"));
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), kPaused, kWait);
        const int pausedAt = elapsedShown(f);
        QVERIFY(pausedAt < 20);

        // Seek to four fifths of the way while paused: the bar shows the target at once...
        auto* bck = clip<movie::FillClip>(f, QStringLiteral("bck"));
        QVERIFY(bck);
        const QPoint target(qRound(bar->barWidths() * 0.8), 5);
        QTest::mousePress(bck, Qt::LeftButton, {}, target);
        QTest::mouseRelease(bck, Qt::LeftButton, {}, target);
        QTRY_VERIFY_WITH_TIMEOUT(elapsedShown(f) >= 22, kWait);
        QCOMPARE(f.status.Caption(), kPaused);
        const int seekedTo = elapsedShown(f);

        // ...and the stream itself goes on from there once it plays again.
        press(f, QStringLiteral("playpause"));
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), kPlaying, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(elapsedShown(f) != seekedTo, kWait);
        QVERIFY2(elapsedShown(f) >= seekedTo - 1, qPrintable(QString::number(elapsedShown(f))));
        // Played to its end, the item stands paused.
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), kPaused, kWait);
    }

    void xspfTrackNamesServerAndStream() {
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("liste.xspf"));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList><track>"
                                  "<location>%1</location><identifier>short.flv</identifier>"
                                  "</track></trackList></playlist>")
                       .arg(m_server->application())
                       .toUtf8());
        file.close();
        RunningPlayer running(list);
        QTRY_COMPARE_WITH_TIMEOUT(running.f.status.Caption(), kPlaying, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(clip(running.f, QStringLiteral("video"))->isVisible(), kWait);
        QTRY_COMPARE_WITH_TIMEOUT(running.f.status.Caption(), kPaused, kWait);
    }

    void unavailableStreamEndsTheItem_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("not on the server") << QStringLiteral("/absent.flv");
        QTest::newRow("application unknown") << QStringLiteral("/../nowhere/long.flv");
        QTest::newRow("nothing listening") << QStringLiteral("rtmp://127.0.0.1:1/vod/long.flv");
        QTest::newRow("server never answers") << QStringLiteral("silent");
    }
    void unavailableStreamEndsTheItem() {
        QFETCH(QString, address);
        if (address.startsWith(QLatin1Char('/'))) address.prepend(m_server->application());
        QTcpServer silent;  // the system takes the connection; nothing ever answers on it
        if (address == QLatin1String("silent")) {
            QVERIFY(silent.listen(QHostAddress::LocalHost));
            address = QStringLiteral("rtmp://127.0.0.1:%1/vod/long.flv").arg(silent.serverPort());
        }
        RunningPlayer running(address);
        player::Form1& f = running.f;
        // Started, then standing paused once the server has said no; a refusal can come within one
        // pass of the event loop, so the statuses shown are recorded, not polled.
        QStringList shown{f.status.Caption()};
        const auto toWindow = f.ctrl->ObjectEvent;
        f.ctrl->ObjectEvent = [&](const platform::forms::EventInfo& event) {
            toWindow(event);
            if (shown.last() != f.status.Caption()) shown << f.status.Caption();
        };
        QTRY_COMPARE_WITH_TIMEOUT(shown.last(), kPaused, kWait);
        QVERIFY2(shown.contains(kPlaying), qPrintable(shown.join(QLatin1Char('|'))));
        auto* message = clip<QLabel>(f, QStringLiteral("message"));
        QTRY_VERIFY_WITH_TIMEOUT(message && message->isVisible(), kWait);
        QCOMPARE(message->text(), QStringLiteral("Flux indisponible"));
    }

    void liveStreamShowsElapsedTimeAndIsNotSought() {
        const QString live =
            m_server->publishLive(testing::mediaPath(QStringLiteral("long.flv")), QStringLiteral("cam"));
        QVERIFY2(!live.isEmpty(), qPrintable(m_server->error()));
        RunningPlayer running(live);
        player::Form1& f = running.f;
        QTRY_VERIFY_WITH_TIMEOUT(elapsedShown(f) >= 3, kWait);
        QCOMPARE(f.status.Caption(), kPlaying);
        // No length of its own: the bar's length is the time played so far.
        auto* bar = clip<movie::ControlbarView>(f, QStringLiteral("controlbar"));
        QVERIFY(bar && bar->itemLength() <= elapsedShown(f) + 1);

        // A release on the bar's first fifth would seek back in a file; live, the stream plays on.
        auto* bck = clip<movie::FillClip>(f, QStringLiteral("bck"));
        QVERIFY(bck);
        const int before = elapsedShown(f);
        const QPoint target(qRound(bar->barWidths() * 0.2), 5);
        QTest::mousePress(bck, Qt::LeftButton, {}, target);
        QTest::mouseRelease(bck, Qt::LeftButton, {}, target);
        int lowest = before;
        QTRY_VERIFY_WITH_TIMEOUT(
            (lowest = std::min(lowest, elapsedShown(f))) >= 0 && elapsedShown(f) >= before + 2, kWait);
        QVERIFY2(lowest >= before, qPrintable(QStringLiteral("%1 after %2").arg(lowest).arg(before)));
        QCOMPARE(f.status.Caption(), kPlaying);
    }

    void serverKilledMidStream() {
        RunningPlayer running(m_server->application() + QStringLiteral("/long.flv"));
        player::Form1& f = running.f;
        QTRY_VERIFY_WITH_TIMEOUT(elapsedShown(f) >= 1, kWait);
        QCOMPARE(f.status.Caption(), kPlaying);
        m_server->kill();
        // The item ends with what had arrived, well before the 30 seconds of the clip.
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), kPaused, kWait);
        QVERIFY(elapsedShown(f) < 25);
        // The window still works: the next file plays.
        f.GotADrop(testing::mediaPath(QStringLiteral("short.flv")));
        QTRY_COMPARE_WITH_TIMEOUT(f.status.Caption(), kPlaying, kWait);
    }

private:
    std::unique_ptr<NginxRtmpServer> m_server;
};

QTEST_MAIN(RtmpPlayback)
#include "tst_rtmp_playback.moc"
