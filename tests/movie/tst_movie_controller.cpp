// The configuration and the controller: defaults and overrides, sizes, the start rule, the
// views' requests and the end of each item, over models the test scripts.
#include "player/movie/controller/PlayerController.h"
#include "player/movie/core/ConfigReader.h"
#include "runtime/component/SharedObject.h"
#include "runtime/component/Stage.h"

#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

using movie::Config;

namespace {

// A model that records what it is told.
class RecordingModel : public movie::MediaModel {
public:
    explicit RecordingModel(QStringList types) : m_types(std::move(types)) {}
    bool accepts(const QString& type) const override { return m_types.contains(type); }
    void setItem(const movie::FeedItem& item) override { log << QStringLiteral("item ") + item.file; }
    void start(std::optional<double> p) override { log << QStringLiteral("start ") + text(p); }
    void pause(std::optional<double> p) override { log << QStringLiteral("pause ") + text(p); }
    void stop() override { log << QStringLiteral("stop"); }
    void setVolume(int v) override { volume = v; }
    void finish(bool failed = false) { Q_EMIT completed(failed); }

    QStringList log;
    int volume = -1;

private:
    static QString text(std::optional<double> p) { return p ? QString::number(*p) : QStringLiteral("-"); }
    QStringList m_types;
};

movie::Feed feedOf(int count, const QString& type = QStringLiteral("flv")) {
    movie::Feed feed;
    for (int i = 0; i < count; ++i) {
        movie::FeedItem item;
        item.file = QStringLiteral("f%1").arg(i);
        item.type = type;
        feed.append(item);
    }
    return feed;
}

struct World {
    explicit World(movie::Feed f, const QList<QPair<QString, QString>>& vars = {})
        : feed(std::move(f)),
          config(movie::readConfig(vars, 320, 260)),
          stage(&root, 20),
          store(QDir::tempPath() + QStringLiteral("/so.json")),
          controller(
              config, feed, {&video}, updates, requests,
              {stage, store, [this](const QUrl& url, const QString& w) { links << url.toString() + " " + w; },
               [this](int) { return draw; }}) {
        root.resize(320, 260);
    }
    QWidget root;
    movie::Feed feed;
    Config config;
    RecordingModel video{{QStringLiteral("flv")}};
    movie::ViewUpdates updates;
    movie::ViewRequests requests;
    runtime::Stage stage;
    runtime::SharedObject store;
    QStringList links;
    int draw = 0;
    movie::PlayerController controller;
};

}  // namespace

class TestMovieController : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void configurationDefaultsAndOverrides() {
        const Config c =
            movie::readConfig({{"autostart", "true"}, {"nonsense", "x"}, {"file", "a%20b.flv"}}, 320, 260);
        QCOMPARE(c.text("file"), QStringLiteral("a%20b.flv"));  // the component unescaped already
        QCOMPARE(c.text("autostart"), QStringLiteral("true"));
        QVERIFY(!c.has("nonsense"));
        QCOMPARE(c.text("volume"), QStringLiteral("80"));
        QCOMPARE(c.text("bufferlength"), QStringLiteral("5"));
        QCOMPARE(c.text("shuffle"), QStringLiteral("true"));
        QCOMPARE(c.text("linktarget"), QStringLiteral("_self"));
        QVERIFY(!c.has("callback") && !c.has("logo") && !c.has("streamscript"));
        QCOMPARE(c.number("width"), 320.0);
        QCOMPARE(c.number("displayheight"), 240.0);
        QCOMPARE(c.number("displaywidth"), 320.0);
    }

    void derivedDisplaySizes() {
        QCOMPARE(movie::readConfig({{"displayheight", "400"}}, 320, 260).number("displayheight"), 260.0);
        QCOMPARE(movie::readConfig({{"displayheight", "100"}}, 320, 260).number("displayheight"), 100.0);
        QCOMPARE(movie::readConfig({{"largecontrols", "true"}}, 320, 260).number("displayheight"), 220.0);
        QCOMPARE(movie::readConfig({{"displaywidth", "200"}}, 320, 260).number("displaywidth"), 200.0);
    }

    void storedChoicesApplyUnlessGiven() {
        const movie::StoredChoices stored{40, QStringLiteral("false")};
        Config c = movie::readConfig({}, 320, 260, stored);
        QCOMPARE(c.number("volume"), 40.0);
        QCOMPARE(c.text("usecaptions"), QStringLiteral("false"));
        c = movie::readConfig({{"volume", "90"}}, 320, 260, stored);
        QCOMPARE(c.number("volume"), 90.0);
        QCOMPARE(movie::readConfig({}, 320, 260, {QStringLiteral("loud"), {}}).number("volume"), 80.0);
    }

    void stageResizeKeepsTheDisplaysRelation() {
        Config c = movie::readConfig({}, 320, 260);
        movie::applyStageResize(c, 640, 480);
        QCOMPARE(c.number("displaywidth"), 640.0);
        QCOMPARE(c.number("displayheight"), 460.0);
        QCOMPARE(c.number("height"), 480.0);
        c = movie::readConfig({{"displayheight", "260"}, {"displaywidth", "300"}}, 320, 260);
        movie::applyStageResize(c, 400, 300);
        QCOMPARE(c.number("displayheight"), 300.0);
        QCOMPARE(c.number("displaywidth"), 380.0);
        c = movie::readConfig({{"displayheight", "100"}}, 320, 260);
        movie::applyStageResize(c, 320, 500);
        QCOMPARE(c.number("displayheight"), 250.0);  // room kept for a playlist
        c = movie::readConfig({{"largecontrols", "true"}}, 320, 260);
        movie::applyStageResize(c, 320, 240);
        QCOMPARE(c.number("displayheight"), 200.0);
    }

    void startRule() {
        World paused(feedOf(1));
        paused.controller.start();
        QCOMPARE(paused.video.log, (QStringList{"item f0", "pause 0"}));
        QCOMPARE(paused.video.volume, 80);
        World playing(feedOf(1), {{"autostart", "true"}});
        QSignalSpy captions(&playing.updates, &movie::ViewUpdates::captionsChanged);
        playing.controller.start();
        QCOMPARE(playing.video.log.last(), QStringLiteral("start 0"));
        QVERIFY(captions.isEmpty());
        movie::Feed commercial = feedOf(1);
        World ad(feedOf(0), {{"usecaptions", "false"}});
        movie::FeedItem item = feedOf(1).at(0);
        item.category = QStringLiteral("commercial");
        ad.feed.append(item);
        QSignalSpy adCaptions(&ad.updates, &movie::ViewUpdates::captionsChanged);
        ad.controller.start();
        QCOMPARE(ad.video.log.last(), QStringLiteral("start 0"));
        QCOMPARE(adCaptions.size(), 1);
    }

    void playPauseScrubAndStop() {
        World w(feedOf(1));
        w.controller.start();
        w.video.log.clear();
        emit w.requests.request(movie::Request::PlayPause);
        emit w.requests.request(movie::Request::Scrub, 12);
        emit w.requests.request(movie::Request::PlayPause);
        emit w.requests.request(movie::Request::Scrub, 30);
        emit w.requests.request(movie::Request::Stop);
        QCOMPARE(w.video.log,
                 (QStringList{"start -", "start 12", "pause -", "pause 30", "pause 0", "stop", "item f0"}));
    }

    void unknownRequestIsReportedAndDoesNothing() {
        World w(feedOf(1));
        w.controller.start();
        w.video.log.clear();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unknown player request 42"));
        emit w.requests.request(movie::Request(42));
        QVERIFY(w.video.log.isEmpty());
    }

    void endOfItemRules_data() {
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<QString>("shuffle");
        QTest::addColumn<int>("items");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("single, no repeat: pause at 0") << "false"
                                                       << "true" << 1 << QStringList{"pause 0"};
        QTest::newRow("single, repeat") << "true"
                                        << "false" << 1 << QStringList{"item f0", "start 0"};
        QTest::newRow("list, not all played") << "list"
                                              << "false" << 3 << QStringList{"item f1", "start 0"};
        QTest::newRow("shuffle draws") << "true"
                                       << "true" << 3 << QStringList{"item f2", "start 0"};
    }
    void endOfItemRules() {
        QFETCH(QString, repeat);
        QFETCH(QString, shuffle);
        QFETCH(int, items);
        QFETCH(QStringList, after);
        World w(feedOf(items), {{"repeat", repeat}, {"shuffle", shuffle}, {"autostart", "true"}});
        w.draw = 2;
        w.controller.start();
        w.video.log.clear();
        w.video.finish();
        QCOMPARE(w.video.log, after);
    }

    void listRepeatStopsAfterEveryItemPlayed() {
        World w(feedOf(2), {{"repeat", "list"}, {"shuffle", "false"}, {"autostart", "true"}});
        w.controller.start();
        w.video.finish();
        QCOMPARE(w.video.log.last(), QStringLiteral("start 0"));
        QCOMPARE(w.controller.currentItem(), 1);
        w.video.finish();
        QCOMPARE(w.video.log.last(), QStringLiteral("pause 0"));
        w.video.finish();  // the count started again
        QCOMPARE(w.video.log.last(), QStringLiteral("start 0"));
    }

    void commercialIsFollowedAtOnce() {
        World w(feedOf(2), {{"repeat", "false"}, {"autostart", "true"}});
        movie::Feed feed = feedOf(2);
        w.feed = movie::Feed();
        movie::FeedItem ad = feed.at(0);
        ad.category = QStringLiteral("Commercial");
        w.feed.append(ad);
        w.feed.append(feed.at(1));
        w.controller.start();
        w.video.finish();
        QCOMPARE(w.controller.currentItem(), 1);
        QCOMPARE(w.video.log.last(), QStringLiteral("start 0"));
    }

    void unplayableItemsDoNotSpinForever() {
        World w(feedOf(2), {{"repeat", "true"}, {"shuffle", "false"}, {"autostart", "true"}});
        w.controller.start();
        w.video.finish(true);
        QCOMPARE(w.video.log.last(), QStringLiteral("start 0"));
        w.video.finish(true);
        QCOMPARE(w.video.log.last(), QStringLiteral("pause 0"));
    }

    void volumeIsClampedRevivedAndStored() {
        World w(feedOf(1));
        w.controller.start();
        QSignalSpy volume(&w.updates, &movie::ViewUpdates::volume);
        emit w.requests.request(movie::Request::Volume, 140);
        QCOMPARE(w.video.volume, 100);
        emit w.requests.request(movie::Request::Volume, -5);
        QCOMPARE(w.video.volume, 0);
        emit w.requests.request(movie::Request::Volume, 0);
        QCOMPARE(w.video.volume, 80);
        QCOMPARE(volume.last().at(0).toInt(), 80);
        runtime::SharedObject reread(QDir::tempPath() + QStringLiteral("/so.json"));
        QCOMPARE(reread.value("volume").toInt(), 80);
    }

    void captionsToggleIsStored() {
        World w(feedOf(1));
        QSignalSpy captions(&w.updates, &movie::ViewUpdates::captionsChanged);
        emit w.requests.request(movie::Request::Captions);
        emit w.requests.request(movie::Request::Captions);
        QCOMPARE(captions.size(), 2);
        QCOMPARE(captions.at(0).at(0).toBool(), false);
        QCOMPARE(captions.at(1).at(0).toBool(), true);
        QCOMPARE(w.store.value("usecaptions").toString(), QStringLiteral("true"));
    }

    void fullScreenOrItsLink() {
        World w(feedOf(1), {{"usefullscreen", "false"},
                            {"fsbuttonlink", "https://example.org/big"},
                            {"linktarget", "_blank"}});
        emit w.requests.request(movie::Request::FullScreen);
        QCOMPARE(w.links, QStringList{"https://example.org/big _blank"});
        QCOMPARE(w.stage.displayState(), runtime::DisplayState::Normal);
    }

    void stageResizeUpdatesSizesThenViews() {
        World w(feedOf(1));
        QSignalSpy resized(&w.updates, &movie::ViewUpdates::stageResized);
        w.root.resize(400, 300);
        emit w.stage.resized();
        QCOMPARE(resized.size(), 1);
        QCOMPARE(w.config.number("displayheight"), 280.0);
        QCOMPARE(w.config.number("displaywidth"), 400.0);
    }
};

QTEST_MAIN(TestMovieController)
#include "tst_movie_controller.moc"
