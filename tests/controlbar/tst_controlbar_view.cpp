#include "ViewWorld.h"

#include "player/movie/views/ControlbarView.h"
#include "player/movie/views/controlbar/Clips.h"

#include <QtTest>

using namespace movie;

namespace {

QWidget* part(QWidget* parent, const char* name) {
    QWidget* found = parent->findChild<QWidget*>(QLatin1String(name));
    if (!found) qFatal("no part %s", name);
    return found;
}

QString text(QWidget* parent, const char* name) {
    auto* clip = qobject_cast<QWidget*>(part(parent, name));
    return static_cast<TextClip*>(clip)->text();
}

}  // namespace

class ControlbarViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hostLayoutOnTheStage() {
        ViewWorld world;
        world.setItems(1);
        auto* bar = new ControlbarView(world.context(), &world.root());
        QCOMPARE(bar->objectName(), QStringLiteral("controlbar"));
        QCOMPARE(bar->geometry(), QRect(0, 240, 320, 20));
        QWidget* scrub = part(bar, "scrub");
        QCOMPARE(scrub->geometry(), QRect(17, 0, 248, 20));
        QCOMPARE(part(bar, "fs")->x(), 265);
        QVERIFY(!part(bar, "fs")->isHidden());
        QCOMPARE(part(bar, "vol")->x(), 283);
        QVERIFY(part(bar, "prev")->isHidden());
        QVERIFY(part(bar, "cc")->isHidden());
        QCOMPARE(bar->barWidths(), 164.0);
        QCOMPARE(part(scrub, "bck")->geometry(), QRect(42, 0, 164, 20));
        QCOMPARE(part(scrub, "remTxt")->x(), 209);
    }

    void layoutFollowsTheStageAndTheFeed() {
        ViewWorld world;
        world.setItems(3);
        world.feed = Feed(QList<FeedItem>{world.feed.at(0), world.feed.at(1)});
        FeedItem withCaptions = world.feed.at(0);
        withCaptions.captions = QStringLiteral("/media/clip0.srt");
        world.feed.append(withCaptions);
        auto* bar = new ControlbarView(world.context(), &world.root());
        QVERIFY(!part(bar, "prev")->isHidden() && !part(bar, "next")->isHidden());
        QVERIFY(!part(bar, "cc")->isHidden());
        QCOMPARE(part(bar, "cc")->x(), 266);
        QCOMPARE(part(bar, "scrub")->geometry(), QRect(51, 0, 320 - 88 - 18 - 17, 20));

        // The controller updates the configuration's sizes, then tells the views.
        world.root().resize(500, 400);
        world.setHostConfig(500, 400);
        Q_EMIT world.updates.stageResized();
        QCOMPARE(bar->geometry(), QRect(0, 380, 500, 20));
        QCOMPARE(part(bar, "vol")->x(), 463);
    }

    void largeControlsDrawnAtTwiceTheSize() {
        ViewWorld world;
        world.config.set(QStringLiteral("largecontrols"), QStringLiteral("true"));
        world.config.set(QStringLiteral("displayheight"), 220);
        auto* bar = new ControlbarView(world.context(), &world.root());
        QCOMPARE(bar->geometry(), QRect(0, 220, 320, 40));
        QCOMPARE(part(bar, "vol")->geometry(), QRect(246, 0, 74, 40));
        QVERIFY(part(part(bar, "scrub"), "elpTxt")->isHidden());
    }

    void timeAndLoadTexts() {
        ViewWorld world;
        auto* bar = new ControlbarView(world.context(), &world.root());
        QWidget* scrub = part(bar, "scrub");
        Q_EMIT world.updates.item(0);
        Q_EMIT world.updates.load(42);
        QCOMPARE(text(scrub, "remTxt"), QStringLiteral("42 %"));
        QCOMPARE(part(scrub, "bck")->width(), 69);  // round(164 * 0.42)
        Q_EMIT world.updates.time(65, 135);
        QCOMPARE(text(scrub, "elpTxt"), QStringLiteral("01:05"));
        QCOMPARE(text(scrub, "remTxt"), QStringLiteral("42 %"));  // still loading
        QVERIFY(!bar->wasLoaded());

        Q_EMIT world.updates.load(100);
        QVERIFY(bar->wasLoaded());
        Q_EMIT world.updates.time(65, 135);
        QCOMPARE(text(scrub, "remTxt"), QStringLiteral("02:15"));
        QCOMPARE(bar->itemLength(), 200.0);
        QCOMPARE(part(scrub, "bar")->geometry(), QRect(42, 0, 51, 20));  // floor(65 / 200 * 164) - 2
        QCOMPARE(part(scrub, "icn")->x(), 94);
        Q_EMIT world.updates.load(30);  // a late report after the item was loaded changes nothing
        QCOMPARE(part(scrub, "bck")->width(), 164);

        Q_EMIT world.updates.item(1);  // a new item shows its loading again
        Q_EMIT world.updates.load(7);
        QCOMPARE(text(scrub, "remTxt"), QStringLiteral("7 %"));

        Q_EMIT world.updates.time(0, 90);
        QCOMPARE(part(scrub, "bar")->width(), 0);
        QCOMPARE(text(scrub, "elpTxt"), QStringLiteral("00:00"));
        Q_EMIT world.updates.time(0.5, 1000);  // the played part never goes negative
        QCOMPARE(part(scrub, "bar")->width(), 0);
    }

    void stateAndVolumeDisplay() {
        ViewWorld world;
        auto* bar = new ControlbarView(world.context(), &world.root());
        QWidget* playpause = part(bar, "playpause");
        QVERIFY(!part(playpause, "ply")->isHidden() && part(playpause, "pas")->isHidden());
        Q_EMIT world.updates.state(PlayerState::Buffering);
        QVERIFY(part(playpause, "ply")->isHidden() && !part(playpause, "pas")->isHidden());
        Q_EMIT world.updates.state(PlayerState::Completed);
        QVERIFY(part(playpause, "ply")->isHidden() && !part(playpause, "pas")->isHidden());
        Q_EMIT world.updates.state(PlayerState::Paused);
        QVERIFY(!part(playpause, "ply")->isHidden() && part(playpause, "pas")->isHidden());

        QWidget* vol = part(bar, "vol");
        QCOMPARE(part(vol, "msk")->width(), 16);  // the configured 80
        Q_EMIT world.updates.volume(33);
        QCOMPARE(part(vol, "msk")->width(), 7);
        auto* icon = static_cast<Clip*>(part(vol, "icn"));
        QCOMPARE(icon->opacity(), 1.0);
        Q_EMIT world.updates.volume(0);
        QCOMPARE(part(vol, "msk")->width(), 0);
        QCOMPARE(icon->opacity(), 0.4);

        auto* cc = static_cast<Clip*>(part(part(bar, "cc"), "icn"));
        Q_EMIT world.updates.captionsChanged(false);
        QCOMPARE(cc->opacity(), 0.4);
        Q_EMIT world.updates.captionsChanged(true);
        QCOMPARE(cc->opacity(), 1.0);
    }

    void seekingByPressAndRelease() {
        ViewWorld world;
        auto* bar = new ControlbarView(world.context(), &world.root());
        world.root().show();
        QVERIFY(QTest::qWaitForWindowExposed(&world.root()));
        Q_EMIT world.updates.load(100);
        Q_EMIT world.updates.time(0, 200);
        QWidget* scrub = part(bar, "scrub");
        QWidget* bck = part(scrub, "bck");

        // Half-way along the bar is half the item.
        QTest::mousePress(bck, Qt::LeftButton, {}, QPoint(82, 10));
        QTest::mouseRelease(bck, Qt::LeftButton, {}, QPoint(82, 10));
        QCOMPARE(world.sent.size(), 1);
        QCOMPARE(world.sent.last().first, movie::Request::Scrub);
        QCOMPARE(world.sent.last().second.toDouble(), 100.0);

        // While held, the knob follows the pointer at each frame.
        QTest::mousePress(bck, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(bck, QPoint(41, 12));
        QTRY_COMPARE_WITH_TIMEOUT(part(scrub, "icn")->x(), 42 + 41 - 1, 20000);
        QCOMPARE(world.sent.size(), 1);  // nothing sent until the release
        // Released outside the bar, to the right: the end of the item.
        QTest::mouseRelease(bck, Qt::LeftButton, {}, QPoint(400, 30));
        QCOMPARE(world.sent.size(), 2);
        QCOMPARE(world.sent.last().second.toDouble(), 200.0);

        // Released outside, to the left: the start.
        QTest::mousePress(bck, Qt::LeftButton, {}, QPoint(20, 10));
        QTest::mouseRelease(bck, Qt::LeftButton, {}, QPoint(-80, 10));
        QCOMPARE(world.sent.last(), ViewWorld::Request(movie::Request::Scrub, 0.0));
        QCOMPARE(world.sent.size(), 3);

        // A pointer beyond the loaded part does not drag the knob there.
        Q_EMIT world.updates.item(1);
        Q_EMIT world.updates.load(25);  // loaded part 41 wide
        Q_EMIT world.updates.time(10, 190);
        const int knob = part(scrub, "icn")->x();
        QTest::mousePress(bck, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(bck, QPoint(120, 10));
        int frames = 0;
        connect(&world.stage(), &runtime::Stage::enterFrame, bar, [&frames] { ++frames; });
        QTRY_VERIFY_WITH_TIMEOUT(frames >= 3, 20000);  // several frames: the knob must stay
        QCOMPARE(part(scrub, "icn")->x(), knob);
        QTest::mouseRelease(bck, Qt::LeftButton, {}, QPoint(120, 10));
    }

    void volumeByPressAndRelease() {
        ViewWorld world;
        auto* bar = new ControlbarView(world.context(), &world.root());
        world.root().show();
        QVERIFY(QTest::qWaitForWindowExposed(&world.root()));
        QWidget* vol = part(bar, "vol");
        const QList<QPair<int, int>> cases = {{22, 50}, {32, 100}, {36, 100}, {12, 0}, {5, 0}, {-30, 0}};
        for (const auto& [x, volume] : cases) {
            QTest::mousePress(vol, Qt::LeftButton, {}, QPoint(20, 10));
            QTest::mouseRelease(vol, Qt::LeftButton, {}, QPoint(x, 10));
            QCOMPARE(world.sent.last(), ViewWorld::Request(movie::Request::Volume, volume));
        }
        QCOMPARE(world.sent.size(), cases.size());

        QTest::mousePress(vol, Qt::LeftButton, {}, QPoint(14, 10));
        QTest::mouseMove(vol, QPoint(27, 10));
        QTRY_COMPARE_WITH_TIMEOUT(part(vol, "msk")->width(), 15, 20000);
        QTest::mouseRelease(vol, Qt::LeftButton, {}, QPoint(27, 10));
        QCOMPARE(world.sent.last(), ViewWorld::Request(movie::Request::Volume, 75));
    }

    void buttonPresses() {
        ViewWorld world;
        world.setItems(2);
        FeedItem item = world.feed.at(1);
        item.captions = QStringLiteral("/media/clip1.srt");
        world.feed.append(item);
        auto* bar = new ControlbarView(world.context(), &world.root());
        world.root().show();
        QVERIFY(QTest::qWaitForWindowExposed(&world.root()));
        const QList<QPair<const char*, movie::Request>> buttons = {{"playpause", movie::Request::PlayPause},
                                                                   {"prev", movie::Request::Prev},
                                                                   {"next", movie::Request::Next},
                                                                   {"fs", movie::Request::FullScreen},
                                                                   {"cc", movie::Request::Captions}};
        for (const auto& [name, request] : buttons) {
            QTest::mouseClick(part(bar, name), Qt::LeftButton, {}, QPoint(8, 10));
            QCOMPARE(world.sent.last().first, request);
        }
        QCOMPARE(world.sent.size(), buttons.size());
        QTest::mouseClick(part(bar, "playpause"), Qt::RightButton, {}, QPoint(8, 10));
        QCOMPARE(world.sent.size(), buttons.size());
    }

    void overlaidBarFadesInAndHidesItself() {
        ViewWorld world;
        world.config.set(QStringLiteral("displayheight"), 260);
        auto* bar = new ControlbarView(world.context(), &world.root());
        world.root().show();
        QVERIFY(QTest::qWaitForWindowExposed(&world.root()));
        QCOMPARE(bar->geometry(), QRect(20, 220, 280, 20));
        QCOMPARE(bar->barOpacity(), 0.0);

        QTest::mouseMove(&world.root(), QPoint(100, 50));
        QTRY_COMPARE_WITH_TIMEOUT(bar->barOpacity(), 1.0, 20000);
        QVERIFY(bar->hidePending());
        QTRY_COMPARE_WITH_TIMEOUT(bar->barOpacity(), 0.0, 20000);
        QVERIFY(!bar->hidePending());

        // With the pointer on the bar it stays.
        QTest::mouseMove(&world.root(), QPoint(150, 230));
        QTRY_COMPARE_WITH_TIMEOUT(bar->barOpacity(), 1.0, 20000);
        QVERIFY(!bar->hidePending());
        // A new layout cancels a pending hide.
        QTest::mouseMove(&world.root(), QPoint(100, 60));
        QVERIFY(bar->hidePending());
        Q_EMIT world.updates.stageResized();
        QVERIFY(!bar->hidePending());
    }

    void hostBarNeverHides() {
        ViewWorld world;
        auto* bar = new ControlbarView(world.context(), &world.root());
        world.root().show();
        QVERIFY(QTest::qWaitForWindowExposed(&world.root()));
        QTest::mouseMove(&world.root(), QPoint(100, 50));
        QVERIFY(!bar->hidePending());
        QCOMPARE(bar->barOpacity(), 1.0);
    }

    void fullScreenPlacementAndBack() {
        ViewWorld world;
        auto* bar = new ControlbarView(world.context(), &world.root());
        world.root().show();
        QVERIFY(QTest::qWaitForWindowExposed(&world.root()));
        world.stage().setDisplayState(runtime::DisplayState::FullScreen);
        QTRY_VERIFY_WITH_TIMEOUT(world.stage().stageWidth() > 320, 20000);
        const int w = world.stage().stageWidth();
        const int h = world.stage().stageHeight();
        world.setHostConfig(w, h);
        Q_EMIT world.updates.stageResized();
        QCOMPARE(bar->geometry(), QRect(int(std::floor(w / 2.0 - 200 + 0.5)), h - 40, 400, 20));
        QWidget* fs = part(bar, "fs");
        QVERIFY(part(fs, "fs")->isHidden() && !part(fs, "ns")->isHidden());
        QCOMPARE(bar->barOpacity(), 1.0);

        world.stage().setDisplayState(runtime::DisplayState::Normal);
        world.setHostConfig(320, 260);
        Q_EMIT world.updates.fullScreenChanged(false);
        QCOMPARE(bar->geometry(), QRect(0, 240, 320, 20));
        QVERIFY(!part(fs, "fs")->isHidden() && part(fs, "ns")->isHidden());
    }
};

QTEST_MAIN(ControlbarViewTest)
#include "tst_controlbar_view.moc"
