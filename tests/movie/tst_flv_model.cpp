// The video model's state machine against a scripted stream, poll by poll.
#include "ScriptedStream.h"

#include "player/movie/core/ConfigReader.h"
#include "player/movie/models/FLVModel.h"

#include <QSignalSpy>
#include <QtTest>

using movie::FLVModel;

namespace {

struct Fixture {
    explicit Fixture(const QList<QPair<QString, QString>>& vars = {})
        : config(movie::readConfig(vars, 320, 260)),
          model(config,
                {[this] {
                     auto stream = std::make_unique<ScriptedStream>();
                     stream->closedLog = &closes;
                     streams << stream.get();
                     return stream;
                 },
                 [this](const QString& command) { commands << command; }},
                &video) {}

    ScriptedStream& stream() { return *streams.last(); }
    void item(const QString& file, const QString& type = QStringLiteral("flv")) {
        movie::FeedItem entry;
        entry.file = file;
        entry.type = type;
        entry.id = QStringLiteral("clip");
        model.setItem(entry);
    }
    // The stream's metadata give a 60-second, 320 x 240 video.
    void meta(double duration = 60) {
        runtime::StreamMetadata data;
        data.duration = duration;
        data.width = 320;
        data.height = 240;
        data.keyframeTimes = {0, 10, 20};
        data.keyframePositions = {100, 5000, 9000};
        stream().sendMetaData(data);
    }

    movie::Config config;
    QWidget video;
    QList<ScriptedStream*> streams;  // only the current one is alive
    int closes = 0;
    QStringList commands;
    FLVModel model;
};

QList<int> states(const QSignalSpy& spy) {
    QList<int> out;
    for (const auto& args : spy) out << args.at(0).toInt();
    return out;
}

}  // namespace

class TestFlvModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyStartAndPauseTellsTheHost() {
        Fixture f;
        f.item(QStringLiteral("/v/a.flv"));
        f.model.pause(0);
        f.model.pause(std::nullopt);
        f.model.start(std::nullopt);
        f.model.pause(std::nullopt);
        f.model.pause(std::nullopt);
        QCOMPARE(f.commands, (QStringList{"pause", "pause", "play", "pause", "pause"}));
        QCOMPARE(f.streams.size(), 1);  // the pause at 0 opened nothing
        QCOMPARE(f.stream().calls.first(), QStringLiteral("play /v/a.flv"));
        QCOMPARE(f.stream().bufferSeconds, 5.0);
    }

    void positionsAreClamped() {
        Fixture f;
        f.item(QStringLiteral("/v/a.flv"));
        f.model.start(0);
        f.meta(60);
        QSignalSpy time(&f.model, &FLVModel::time);
        f.model.pause(0.5);
        QCOMPARE(f.stream().calls.filter(QStringLiteral("seek")).last(), QStringLiteral("seek 0"));
        f.model.pause(75);
        QCOMPARE(f.stream().calls.filter(QStringLiteral("seek")).last(), QStringLiteral("seek 59"));
        QCOMPARE(time.last().at(0).toDouble(), 59.0);
        QCOMPARE(time.last().at(1).toDouble(), 1.0);
        f.model.start(30);
        QCOMPARE(f.stream().calls.filter(QStringLiteral("seek")).last(), QStringLiteral("seek 30"));
    }

    void unknownDurationNeitherClampsNorStopsGrowing() {
        Fixture f;
        f.item(QStringLiteral("/v/a.flv"));
        f.model.start(0);
        f.meta(0);
        f.model.start(12);
        QCOMPARE(f.stream().calls.filter(QStringLiteral("seek")).last(), QStringLiteral("seek 12"));
        QSignalSpy time(&f.model, &FLVModel::time);
        for (double p : {13.0, 14.0, 15.5}) {
            f.stream().position = p;
            f.model.pollPosition();
            QCOMPARE(f.model.metaDuration(), p);
            QCOMPARE(time.last().at(1).toDouble(), 0.0);
        }
    }

    void buffersThenPlaysThenCompletes() {
        Fixture f;
        f.item(QStringLiteral("/v/a.flv"));
        QSignalSpy state(&f.model, &FLVModel::state);
        QSignalSpy completed(&f.model, &FLVModel::completed);
        f.model.start(0);
        f.meta(3);
        QVERIFY(state.isEmpty());  // a start sets no state by itself
        f.model.pollPosition();    // standing with an empty buffer
        f.model.pollPosition();
        f.stream().position = 0.2;
        f.model.pollPosition();
        f.stream().position = 2.9;
        f.model.pollPosition();
        QCOMPARE(states(state), (QList<int>{1, 2}));

        // The end: not before the stream stopped and the file is all loaded.
        f.stream().total = 1000;
        f.stream().loaded = 500;
        f.model.pollPosition();
        QVERIFY(completed.isEmpty());
        f.stream().sendStatus(QStringLiteral("NetStream.Play.Stop"));
        f.model.pollPosition();
        QVERIFY(completed.isEmpty());
        f.stream().loaded = 1000;
        f.model.pollLoad();
        f.model.pollPosition();
        QCOMPARE(completed.size(), 1);
        QCOMPARE(completed.first().at(0).toBool(), false);
        QCOMPARE(f.model.currentState(), movie::PlayerState::Completed);
        QVERIFY(!f.video.isVisibleTo(f.video.parentWidget()) && f.video.isHidden());
        QVERIFY(!f.model.positionPollActive());
    }

    void loadPastNinetyFivePercentIsAllLoaded() {
        Fixture f;
        f.item(QStringLiteral("/v/a.flv"));
        QSignalSpy load(&f.model, &FLVModel::load);
        f.model.start(0);
        QCOMPARE(load.last().at(0).toDouble(), 0.0);  // a new stream starts at 0
        f.model.pollLoad();                           // 0 of 0 bytes: not a number
        QCOMPARE(load.last().at(0).toDouble(), 0.0);
        f.stream().total = 1000;
        f.stream().loaded = 420;
        f.model.pollLoad();
        QCOMPARE(load.last().at(0).toDouble(), 42.0);
        const qsizetype before = load.size();
        f.model.pollLoad();
        QCOMPARE(load.size(), before);  // unchanged: not sent again
        f.stream().loaded = 960;
        f.model.pollLoad();
        QCOMPARE(load.last().at(0).toDouble(), 100.0);
        QCOMPARE(f.model.currentLoaded(), 100);
        QVERIFY(!f.model.loadPollActive());
    }

    void missingStreamCompletesAtOnceAsAFailure() {
        Fixture f;
        f.item(QStringLiteral("/v/missing.flv"));
        QSignalSpy state(&f.model, &FLVModel::state);
        QSignalSpy completed(&f.model, &FLVModel::completed);
        f.model.start(0);
        f.stream().sendStatus(QStringLiteral("NetStream.Play.StreamNotFound"));
        QCOMPARE(states(state), QList<int>{3});
        QCOMPARE(completed.size(), 1);
        QCOMPARE(completed.first().at(0).toBool(), true);
        QVERIFY(!f.model.positionPollActive() && !f.model.loadPollActive());
    }

    void stopForgetsTheStream() {
        Fixture f;
        f.item(QStringLiteral("/v/a.flv"));
        f.model.start(0);
        f.meta(60);
        f.model.stop();
        QCOMPARE(f.closes, 1);
        QVERIFY(!f.model.stream());
        QCOMPARE(f.model.metaDuration(), 0.0);
        f.model.start(std::nullopt);
        QCOMPARE(f.streams.size(), 2);  // the same file opens anew
    }

    void sizeFromMetadataOrTheDisplay() {
        Fixture f;
        f.item(QStringLiteral("/v/a.mp3"));
        QSignalSpy size(&f.model, &FLVModel::size);
        f.model.start(0);
        f.stream().sendMetaData({});
        f.meta(60);  // only the first metadata count
        QCOMPARE(size.size(), 1);
        QCOMPARE(size.first().at(0).toDouble(), 320.0);
        QCOMPARE(size.first().at(1).toDouble(), 240.0);  // "displayheight" of a 260 stage
        QCOMPARE(f.model.metaDuration(), 0.0);
    }

    void streamingModes_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("seekAt25");
        QTest::newRow("lighttpd") << "lighttpd"
                                  << "http://h/v.flv"
                                  << "http://h/v.flv?start=9000";
        QTest::newRow("script") << "http://h/s.php"
                                << "http://h/s.php?file=http://h/v.flv"
                                << "http://h/s.php?file=http://h/v.flv&pos=9000";
    }
    void streamingModes() {
        QFETCH(QString, script);
        QFETCH(QString, opened);
        QFETCH(QString, seekAt25);
        Fixture f({{QStringLiteral("streamscript"), script}});
        f.item(QStringLiteral("http://h/v.flv"));
        f.model.start(0);
        QCOMPARE(f.model.mode(), FLVModel::Mode::HTTP);
        QCOMPARE(f.stream().calls.first(), QStringLiteral("play ") + opened);
        f.meta(60);
        f.model.start(25);
        QCOMPARE(f.stream().calls.last(), QStringLiteral("play ") + seekAt25);
        f.stream().bufferSeconds = 5;
        f.stream().buffer = 2.5;
        QSignalSpy load(&f.model, &FLVModel::load);
        f.model.pollLoad();
        QCOMPARE(load.last().at(0).toDouble(), 50.0);
    }

    void rtmpAddressIsTheServerAndTheStream_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("opened");
        QTest::newRow("server and id") << "rtmp://server/app"
                                       << "clip"
                                       << "rtmp://server/app/clip";
        QTest::newRow("server with a slash") << "rtmp://server/app/"
                                             << "mp4:a.f4v"
                                             << "rtmp://server/app/mp4:a.f4v";
        QTest::newRow("whole address") << "rtmp://server/app/clip.flv"
                                       << ""
                                       << "rtmp://server/app/clip.flv";
    }
    void rtmpAddressIsTheServerAndTheStream() {
        QFETCH(QString, file);
        QFETCH(QString, id);
        QFETCH(QString, opened);
        Fixture f;
        movie::FeedItem item;
        item.file = file;
        item.type = QStringLiteral("rtmp");
        item.id = id;
        f.model.setItem(item);
        f.model.start(0);
        QCOMPARE(f.model.mode(), FLVModel::Mode::RTMP);
        QCOMPARE(f.stream().calls.first(), QStringLiteral("play ") + opened);
        // The same stream again is not opened again.
        f.model.setItem(item);
        f.model.start(0);
        QCOMPARE(f.streams.size(), 1);
    }

    // What a stream that has stopped held is all it will hold, when its load is not counted in bytes.
    void stoppedStreamIsAllLoaded_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("type");
        QTest::newRow("rtmp, buffer never full") << "rtmp://server/app/clip"
                                                 << "rtmp";
        QTest::newRow("http file of unknown size") << "http://host/clip.flv"
                                                   << "flv";
    }
    void stoppedStreamIsAllLoaded() {
        QFETCH(QString, file);
        QFETCH(QString, type);
        Fixture f;
        f.item(file, type);
        QSignalSpy completed(&f.model, &FLVModel::completed);
        f.model.start(0);
        f.stream().bufferSeconds = 5;
        f.stream().buffer = 0.5;
        f.stream().position = 1;
        f.model.pollLoad();
        f.model.pollPosition();
        QVERIFY(f.model.currentLoaded() < 100);
        f.stream().buffer = 0;
        f.stream().sendStatus(QStringLiteral("NetStream.Play.Stop"));
        QCOMPARE(f.model.currentLoaded(), 100);
        f.model.pollPosition();
        QCOMPARE(completed.size(), 1);
        QCOMPARE(completed.first().at(0).toBool(), false);
    }
};

QTEST_MAIN(TestFlvModel)
#include "tst_flv_model.moc"
