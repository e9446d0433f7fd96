#include "controlbar/ViewWorld.h"

#include "player/movie/views/CaptionsView.h"
#include "player/movie/views/EqualizerView.h"
#include "player/movie/views/PlaylistView.h"
#include "player/movie/views/playlist/Thumbnails.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace movie;

namespace {

void showWorld(ViewWorld& world) {
    world.root().show();
    QVERIFY(QTest::qWaitForWindowExposed(&world.root()));
}

}  // namespace

class MovieViewsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void playlistTakesTheRoomTheDisplayLeaves() {
        ViewWorld world;
        world.setItems(4);
        world.config.set(QStringLiteral("displayheight"), 140);
        auto* below = new PlaylistView(world.context(), &world.root());
        QCOMPARE(below->objectName(), QStringLiteral("playlist"));
        QCOMPARE(below->geometry(), QRect(0, 160, 320, 100));

        world.config.set(QStringLiteral("displayheight"), 240);
        world.config.set(QStringLiteral("displaywidth"), 200);
        Q_EMIT world.updates.stageResized();
        QCOMPARE(below->geometry(), QRect(200, 0, 120, 240));
        QVERIFY(!below->isHidden());

        world.config.set(QStringLiteral("displaywidth"), 320);
        world.config.set(QStringLiteral("displayheight"), 100);
        world.config.set(QStringLiteral("largecontrols"), QStringLiteral("true"));
        Q_EMIT world.updates.stageResized();
        QCOMPARE(below->geometry(), QRect(0, 140, 320, 120));  // under the taller bar
    }

    void playlistClickAsksForTheItem() {
        ViewWorld world;
        world.setItems(5);
        world.config.set(QStringLiteral("displayheight"), 100);
        auto* playlist = new PlaylistView(world.context(), &world.root());
        showWorld(world);
        QTest::mouseClick(playlist, Qt::LeftButton, {}, playlist->rowRect(2).center());
        QCOMPARE(world.sent, QList<ViewWorld::Request>({{movie::Request::Item, 2}}));

        // Pressed on one item and released on another: no choice made.
        QTest::mousePress(playlist, Qt::LeftButton, {}, playlist->rowRect(1).center());
        QTest::mouseRelease(playlist, Qt::LeftButton, {}, playlist->rowRect(3).center());
        // Below the last item.
        QTest::mouseClick(playlist, Qt::LeftButton, {}, playlist->rowRect(5).center());
        QTest::mouseClick(playlist, Qt::RightButton, {}, playlist->rowRect(0).center());
        QCOMPARE(world.sent.size(), 1);
    }

    void playlistKeepsTheCurrentItemInSight() {
        ViewWorld world;
        world.setItems(30);
        world.config.set(QStringLiteral("displayheight"), 140);  // room for about four rows
        auto* playlist = new PlaylistView(world.context(), &world.root());
        Q_EMIT world.updates.item(20);
        QCOMPARE(playlist->currentItem(), 20);
        QVERIFY(playlist->rect().contains(playlist->rowRect(20)));
        Q_EMIT world.updates.item(0);
        QCOMPARE(playlist->scrollOffset(), 0);
    }

    void autoscrollFollowsThePointer() {
        ViewWorld world;
        world.setItems(30);
        world.config.set(QStringLiteral("displayheight"), 140);
        world.config.set(QStringLiteral("autoscroll"), QStringLiteral("true"));
        auto* playlist = new PlaylistView(world.context(), &world.root());
        showWorld(world);
        const int maxOffset = 30 * PlaylistView::kRowHeight - playlist->height();
        QTest::mouseMove(playlist, QPoint(50, playlist->height() - 1));
        QTRY_VERIFY_WITH_TIMEOUT(playlist->scrollOffset() > maxOffset * 0.95, 20000);
        QTest::mouseMove(playlist, QPoint(50, 0));
        QTRY_COMPARE_WITH_TIMEOUT(playlist->scrollOffset(), 0, 20000);
        // A click still picks the item under the pointer, wherever the list stands.
        QTest::mouseMove(playlist, QPoint(50, playlist->height() / 2));
        QTRY_VERIFY_WITH_TIMEOUT(playlist->scrollOffset() > 0, 20000);
        const QPoint at(50, playlist->height() / 2);
        const int expected = playlist->rowAt(at);
        QTest::mouseClick(playlist, Qt::LeftButton, {}, at);
        QCOMPARE(world.sent.last(), ViewWorld::Request(movie::Request::Item, expected));
        QVERIFY(expected > 3);
    }

    void playlistThumbnails() {
        QTemporaryDir dir;
        QImage picture(120, 90, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath(QStringLiteral("a.png"))));
        QFile(dir.filePath(QStringLiteral("broken.png"))).open(QIODevice::WriteOnly);

        ViewWorld world;
        world.setItems(3);
        QList<FeedItem> items = world.feed.items();
        items[0].image = dir.filePath(QStringLiteral("a.png"));
        items[1].image = dir.filePath(QStringLiteral("broken.png"));
        items[2].image = dir.filePath(QStringLiteral("missing.png"));
        world.feed = Feed(items);
        world.config.set(QStringLiteral("displayheight"), 100);
        world.config.set(QStringLiteral("thumbsinplaylist"), QStringLiteral("true"));
        auto* playlist = new PlaylistView(world.context(), &world.root());
        QCOMPARE(playlist->rowHeight(), PlaylistView::kThumbRowHeight);
        QTRY_VERIFY_WITH_TIMEOUT(playlist->hasThumbnail(0), 20000);
        QVERIFY(!playlist->hasThumbnail(1));
        QVERIFY(!playlist->hasThumbnail(2));
    }

    void thumbnailDecoding() {
        auto encode = [](const QImage& image) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            return bytes;
        };
        QImage wide(216, 64, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        const QImage thumb = Thumbnails::decode(encode(wide), QSize(54, 40));
        QCOMPARE(thumb.size(), QSize(54, 16));
        // A picture too large to be a thumbnail is refused before it is decoded.
        QImage huge(Thumbnails::kMaxSide + 1, 1, QImage::Format_Mono);
        huge.fill(0);
        QVERIFY(Thumbnails::decode(encode(huge), QSize(54, 40)).isNull());
        QVERIFY(Thumbnails::decode("not a picture", QSize(54, 40)).isNull());
    }

    void captionsInStepWithThePosition() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clip.srt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "1\n00:00:01,000 --> 00:00:03,000\nBonjour\n\n2\n00:00:03,000 --> 00:00:05,500\nÇa va ?\n\n");
        file.close();

        ViewWorld world;
        world.setItems(2);
        QList<FeedItem> items = world.feed.items();
        items[0].captions = path;
        world.feed = Feed(items);
        auto* captions = new CaptionsView(world.context(), &world.root());
        QCOMPARE(captions->objectName(), QStringLiteral("captions"));
        QCOMPARE(captions->geometry(), QRect(0, 0, 320, 240));
        QSignalSpy loaded(captions, &CaptionsView::captionsLoaded);
        Q_EMIT world.updates.item(0);
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 20000);
        QCOMPARE(captions->captions().size(), 2);

        const QList<QPair<double, QString>> positions = {{0.5, QString()},
                                                         {1.0, QStringLiteral("Bonjour")},
                                                         {2.99, QStringLiteral("Bonjour")},
                                                         {3.0, QStringLiteral("Ça va ?")},
                                                         {5.5, QString()},
                                                         {1.5, QStringLiteral("Bonjour")}};
        for (const auto& [seconds, text] : positions) {
            Q_EMIT world.updates.time(seconds, 10 - seconds);
            QCOMPARE(captions->text(), text);
        }

        Q_EMIT world.updates.captionsChanged(false);
        QVERIFY(captions->isHidden());
        Q_EMIT world.updates.captionsChanged(true);
        QVERIFY(!captions->isHidden());

        // The next item has none: nothing shows, whatever the position.
        Q_EMIT world.updates.item(1);
        Q_EMIT world.updates.time(1.5, 8.5);
        QCOMPARE(captions->text(), QString());
        Q_EMIT world.updates.item(7);  // an index the feed does not have
        QCOMPARE(captions->text(), QString());
    }

    void captionsOffAtStart() {
        ViewWorld world;
        world.config.set(QStringLiteral("usecaptions"), QStringLiteral("false"));
        auto* captions = new CaptionsView(world.context(), &world.root());
        QVERIFY(captions->isHidden());
    }

    void equalizerFollowsTheLevels() {
        ViewWorld world;
        QList<double> levels = {0.5, 1.0, 0.25};
        int reads = 0;
        auto* equalizer = new EqualizerView(
            world.context(),
            [&] {
                ++reads;
                return levels;
            },
            &world.root());
        QCOMPARE(equalizer->objectName(), QStringLiteral("equalizer"));
        QCOMPARE(equalizer->geometry(), QRect(0, 200, 320, 40));
        QVERIFY(!equalizer->following());

        Q_EMIT world.updates.state(PlayerState::Playing);
        QTRY_COMPARE_WITH_TIMEOUT(equalizer->shownLevels(), levels, 20000);
        levels = {std::numeric_limits<double>::quiet_NaN(), 5.0, -1.0};
        QTRY_COMPARE_WITH_TIMEOUT(equalizer->shownLevels().at(1), 1.0, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(equalizer->shownLevels().at(0), 0.0, 20000);  // falls from 0.5
        QCOMPARE(equalizer->shownLevels().at(2), 0.0);

        levels = {0.9, 0.9, 0.9};
        QTRY_COMPARE_WITH_TIMEOUT(equalizer->shownLevels().at(0), 0.9, 20000);
        Q_EMIT world.updates.state(PlayerState::Paused);
        const int readsWhenPaused = reads;
        QTRY_VERIFY_WITH_TIMEOUT(!equalizer->following(), 20000);
        QCOMPARE(equalizer->shownLevels(), QList<double>({0.0, 0.0, 0.0}));
        QCOMPARE(reads, readsWhenPaused);  // no sound is read while paused
    }
};

QTEST_MAIN(MovieViewsTest)
#include "tst_movieviews.moc"
