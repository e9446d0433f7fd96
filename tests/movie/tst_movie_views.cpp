// The display, keyboard and callback views, driven through the updates they listen to.
#include "player/movie/core/ConfigReader.h"
#include "player/movie/models/ImageModel.h"
#include "player/movie/views/CallbackView.h"
#include "player/movie/views/DisplayClip.h"
#include "player/movie/views/DisplayScaling.h"
#include "player/movie/views/DisplayView.h"
#include "player/movie/views/InputView.h"
#include "runtime/component/Stage.h"
#include "runtime/moviefile/MovieFile.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

using Vars = QList<QPair<QString, QString>>;

struct Views {
    explicit Views(const QList<QPair<QString, QString>>& vars = {}, int items = 1)
        : config(movie::readConfig(vars, 320, 260)), stage(&root, 20) {
        root.resize(320, 260);
        for (int i = 0; i < items; ++i) {
            movie::FeedItem item;
            item.file = QStringLiteral("/films/clip %1&x.flv").arg(i);
            item.title = QStringLiteral("Été");
            item.id = QString::number(i);
            feed.append(item);
        }
    }
    movie::ViewContext context() { return {stage, movie, config, feed, updates, requests}; }

    QWidget root;
    movie::Config config;
    movie::Feed feed;
    runtime::Movie movie;
    movie::ViewUpdates updates;
    movie::ViewRequests requests;
    runtime::Stage stage;
};

QVariant request(movie::Request request) {
    return QVariant::fromValue(request);
}

QList<QVariantList> requestsOf(const QSignalSpy& spy) {
    QList<QVariantList> out;
    for (const auto& args : spy) out << args;
    return out;
}

}  // namespace

class TestMovieViews : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void overstretchRules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QRectF>("placed");
        // A 160 x 60 picture in a 320 x 240 display: x = 2, y = 4.
        QTest::newRow("false: fits inside") << "false" << QRectF(0, 60, 320, 120);
        QTest::newRow("true: fills, cut") << "true" << QRectF(-160, 0, 640, 240);
        QTest::newRow("none: native") << "none" << QRectF(80, 90, 160, 60);
        QTest::newRow("fit: stretched") << "fit" << QRectF(0, 0, 320, 240);
        QTest::newRow("other: by height") << "half" << QRectF(-160, 0, 640, 240);
    }
    void overstretchRules() {
        QFETCH(QString, rule);
        QFETCH(QRectF, placed);
        QCOMPARE(movie::scalePicture(rule, QSizeF(160, 60), QSizeF(320, 240)), placed);
    }

    void displayScalesTheVideoAndFollowsTheStage() {
        Views v(Vars{{"overstretch", "true"}});
        auto* display = new movie::DisplayClip(&v.root);
        auto* video = new QWidget(display);
        video->setObjectName(QStringLiteral("video"));
        movie::DisplayView view(v.context(), display, {video});
        QCOMPARE(display->geometry(), QRect(0, 0, 320, 240));
        emit v.updates.size(320, 180);
        QCOMPARE(video->geometry(), QRect(-53, 0, 427, 240));  // cut by the display's bounds
        v.config.set(QStringLiteral("displaywidth"), 640);
        v.config.set(QStringLiteral("displayheight"), 360);
        emit v.updates.stageResized();
        QCOMPARE(display->geometry(), QRect(0, 0, 640, 360));
        QCOMPARE(video->geometry(), QRect(0, 0, 640, 360));
    }

    void displayClickAndIcons() {
        Views v;
        auto* display = new movie::DisplayClip(&v.root);
        movie::DisplayView view(v.context(), display);
        v.root.show();
        QSignalSpy requests(&v.requests, &movie::ViewRequests::request);
        QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().at(0).value<movie::Request>(), movie::Request::PlayPause);
        auto* play = display->findChild<QLabel*>(QStringLiteral("playicon"));
        auto* activity = display->findChild<QLabel*>(QStringLiteral("activity"));
        emit v.updates.state(movie::PlayerState::Paused);
        QVERIFY(play->isVisible() && !activity->isVisible());
        emit v.updates.state(movie::PlayerState::Buffering);
        QVERIFY(!play->isVisible() && activity->isVisible());
        emit v.updates.state(movie::PlayerState::Playing);
        QVERIFY(!play->isVisible() && !activity->isVisible());
        emit v.updates.state(movie::PlayerState::Completed);
        QVERIFY(!play->isVisible() && !activity->isVisible());
    }

    void displaySaysWhyNothingPlaysUntilTheNextItem() {
        Views v;
        auto* display = new movie::DisplayClip(&v.root);
        movie::DisplayView view(v.context(), display);
        v.root.show();
        auto* message = display->findChild<QLabel*>(QStringLiteral("message"));
        QVERIFY(message && !message->isVisible());
        emit v.updates.unplayable(runtime::NotFound::Unreachable);
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), QStringLiteral("Flux indisponible"));
        // Inside the display, clear of the play icon at its centre; clicks still reach the display.
        QVERIFY(display->rect().contains(message->geometry()));
        QVERIFY(message->y() > display->findChild<QLabel*>(QStringLiteral("playicon"))->geometry().bottom());
        QSignalSpy requests(&v.requests, &movie::ViewRequests::request);
        QTest::mouseClick(display, Qt::LeftButton, {}, message->geometry().center());
        QCOMPARE(requests.size(), 1);
        emit v.updates.item(0);
        QVERIFY(!message->isVisible());
    }

    void displayLinksWhenAsked() {
        Views v(Vars{{"linkfromdisplay", "true"}}, 3);
        auto* display = new movie::DisplayClip(&v.root);
        movie::DisplayView view(v.context(), display);
        v.root.show();
        QSignalSpy requests(&v.requests, &movie::ViewRequests::request);
        emit v.updates.item(2);
        emit v.updates.state(movie::PlayerState::Paused);
        QVERIFY(!display->findChild<QLabel*>(QStringLiteral("playicon"))->isVisible());
        QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(requestsOf(requests), (QList<QVariantList>{{request(movie::Request::GetLink), 2}}));
    }

    void keyboardOneItem() {
        Views v;
        movie::InputView input(v.context());
        QSignalSpy requests(&v.requests, &movie::ViewRequests::request);
        emit v.updates.time(12, 48);
        emit v.updates.volume(5);
        for (int key : {32, 37, 39, 38, 40}) v.stage.keyPressed(key);
        QCOMPARE(requestsOf(requests), (QList<QVariantList>{{request(movie::Request::PlayPause), QVariant()},
                                                            {request(movie::Request::Scrub), 7.0},
                                                            {request(movie::Request::Scrub), 17.0},
                                                            {request(movie::Request::Volume), 15},
                                                            {request(movie::Request::Volume), -5}}));
        emit v.updates.time(3, 57);
        emit v.updates.volume(0);
        requests.clear();
        v.stage.keyPressed(37);
        v.stage.keyPressed(40);  // already silent: nothing
        QCOMPARE(requestsOf(requests), (QList<QVariantList>{{request(movie::Request::Scrub), 0.0}}));
    }

    void keyboardPlaylist() {
        Views v({}, 3);
        movie::InputView input(v.context());
        QSignalSpy requests(&v.requests, &movie::ViewRequests::request);
        v.stage.keyPressed(37);
        v.stage.keyPressed(39);
        QCOMPARE(requests.at(0).at(0).value<movie::Request>(), movie::Request::Prev);
        QCOMPARE(requests.at(1).at(0).value<movie::Request>(), movie::Request::Next);
    }

    void callbackReportsStartAndEnd() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QStringList seen;
        connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [&seen, socket] {
                const QByteArray head = socket->readAll();
                seen << QString::fromLatin1(head.left(head.indexOf("\r\n")));
                socket->write("HTTP/1.1 204 No Content\r\nConnection: close\r\n\r\n");
                socket->disconnectFromHost();
            });
        });
        const QString address = QStringLiteral("http://127.0.0.1:%1/cb?site=1").arg(server.serverPort());
        Views v(Vars{{"callback", address}}, 2);
        QNetworkAccessManager network;
        movie::CallbackView callback(v.context(), network);
        emit v.updates.item(1);
        emit v.updates.state(movie::PlayerState::Buffering);
        emit v.updates.state(movie::PlayerState::Playing);
        emit v.updates.state(movie::PlayerState::Playing);
        emit v.updates.state(movie::PlayerState::Completed);
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 2, 20000);
        seen.sort();
        QCOMPARE(seen.at(0),
                 QStringLiteral(
                     "GET /cb?site=1&file=%2Ffilms%2Fclip%201%26x.flv&title=%C3%89t%C3%A9&id=1&state=end "
                     "HTTP/1.1"));
        QVERIFY(seen.at(1).contains(QStringLiteral("&state=start ")));
    }

    void pictureRotatesInAPlaylistOnly() {
        const QString path = QDir::tempPath() + QStringLiteral("/picture.png");
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path));
        Views v(Vars{{"rotatetime", "2"}});
        QLabel image;
        movie::ImageModel model(v.config, &image, nullptr);
        QSignalSpy size(&model, &movie::MediaModel::size);
        QSignalSpy completed(&model, &movie::MediaModel::completed);
        movie::FeedItem item;
        item.file = path;
        model.setItem(item);
        model.setPlaylistLength(2);
        model.start(std::nullopt);
        QCOMPARE(size.size(), 1);
        QCOMPARE(size.first().at(0).toDouble(), 40.0);
        model.tick();
        QVERIFY(completed.isEmpty());
        model.tick();
        QCOMPARE(completed.size(), 1);
        QCOMPARE(completed.first().at(0).toBool(), false);

        item.file = QDir::tempPath() + QStringLiteral("/missing.png");
        model.setItem(item);
        model.start(std::nullopt);
        QCOMPARE(completed.size(), 2);
        QCOMPARE(completed.last().at(0).toBool(), true);
    }

    void callbackRefusesOtherSchemes() {
        Views v(Vars{{"callback", "file:///etc/passwd"}});
        QNetworkAccessManager network;
        movie::CallbackView callback(v.context(), network);
        QVERIFY(callback.reportUrl(0, QStringLiteral("start")).isEmpty());
    }
};

QTEST_MAIN(TestMovieViews)
#include "tst_movie_views.moc"
