// Quorvel on a private session bus, driven by the real playerctl and dbus-send as the desktop's
// media controls drive it, with the real window, movie and libmpv.
#include "SessionBus.h"
#include "frame/WindowFrame.h"
#include "mpris/MprisNames.h"
#include "mpris/MprisService.h"
#include "player/Form1.h"
#include "player/movie/MediaPlayer.h"
#include "player/movie/remote/PlayerRemote.h"
#include "player/movie/views/controlbar/Clips.h"
#include "runtime/component/PlayerControl.h"
#include "runtime/component/Stage.h"
#include "support/TestServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using testing::ClientResult;

namespace {

constexpr int kWait = 20000;
const QString kPlayerctl = QStringLiteral("playerctl");
const QString kDbusSend = QStringLiteral("dbus-send");

// The main window as the application assembles it, with the bus service following its players.
struct Window {
    explicit Window(const QDBusConnection& bus) {
        // Each test starts from the movie's default volume.
        QDir(world.component.sharedObjectFolder).removeRecursively();
        movie::registerMediaPlayer(world.component, world.streams, &remote);
        form.Form_Load();
        form.form.Show();
        service.publish(bus);
    }

    QString elapsedText() const {
        auto* control = dynamic_cast<runtime::PlayerControl*>(form.ctrl);
        runtime::Stage* stage = control ? control->stageObject() : nullptr;
        auto* text = stage ? stage->root()->findChild<movie::TextClip*>(QStringLiteral("elpTxt")) : nullptr;
        return text ? text->text() : QString();
    }

    testing::TestWorld world;
    movie::PlayerRemote remote;
    player::Form1 form{world.services()};
    int programEnds = 0;
    frame::WindowFrame frame{form, frame::FrameSeams{[] {}, [this] { ++programEnds; }, true}};
    mpris::MprisService service{
        remote,
        {[this] { frame.buttons().Picture4_Click(); }, [this] { form.form.Activate(); },
         [this](const QString& path) { form.GotADrop(path); }}};
};

}  // namespace

class Mpris : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        m_bus = std::make_unique<testing::SessionBus>();
        m_connection = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("quorvel")));
        QVERIFY(m_connection->isConnected());
    }
    void init() { m_window = std::make_unique<Window>(*m_connection); }
    void cleanup() { m_window.reset(); }
    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus(QStringLiteral("quorvel"));
        m_connection.reset();
        m_bus.reset();
    }

    void namesOnTheBus() {
        QCOMPARE(m_window->service.busName(), mpris::kBusName);
        // A second Quorvel on the same bus.
        QDBusConnection second = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("second"));
        movie::PlayerRemote remote;
        auto other = std::make_unique<mpris::MprisService>(remote, mpris::MprisActions{});
        QVERIFY(other->publish(second));
        const QString instance =
            QStringLiteral("quorvel.instance") + QString::number(QCoreApplication::applicationPid());
        QCOMPARE(other->busName(), QStringLiteral("org.mpris.MediaPlayer2.") + instance);
        const QStringList listed = playerctl({QStringLiteral("-l")}).out.split(QLatin1Char('\n'));
        QVERIFY2(listed.contains(QStringLiteral("quorvel")) && listed.contains(instance),
                 qPrintable(listed.join(' ')));
        other.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("second"));
        QTRY_COMPARE_WITH_TIMEOUT(playerctl({QStringLiteral("-l")}).out, QStringLiteral("quorvel"), kWait);
    }

    void noBusNoNameAndNoWord() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        movie::PlayerRemote remote;
        mpris::MprisService service(remote, {});
        QVERIFY(!service.publish(QDBusConnection(QStringLiteral("never connected"))));
        QVERIFY(service.busName().isEmpty());
    }

    void rootProperties_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected");
        QTest::newRow("identity") << "Identity"
                                  << "string \"Quorvel\"";
        QTest::newRow("desktop entry") << "DesktopEntry"
                                       << "string \"org.quorvel.Quorvel\"";
        QTest::newRow("can quit") << "CanQuit"
                                  << "boolean true";
        QTest::newRow("can raise") << "CanRaise"
                                   << "boolean true";
        QTest::newRow("no track list") << "HasTrackList"
                                       << "boolean false";
        QTest::newRow("schemes") << "SupportedUriSchemes"
                                 << "string \"https\"";
        QTest::newRow("types") << "SupportedMimeTypes"
                               << "string \"video/x-flv\"";
        QTest::newRow("rtmp scheme") << "SupportedUriSchemes"
                                     << "string \"rtmp\"";
        QTest::newRow("mp4 type") << "SupportedMimeTypes"
                                  << "string \"video/mp4\"";
    }
    void rootProperties() {
        QFETCH(QString, property);
        QFETCH(QString, expected);
        const ClientResult got = getProperty(mpris::kRootInterface, property);
        QVERIFY2(got.out.contains(expected), qPrintable(got.out + got.err));
    }

    void aPlayingFileFromTheBus() {
        QProcess follow;
        followStatus(follow);
        const QString file = testing::mediaPath(QStringLiteral("long.flv"));
        m_window->form.GotADrop(file);
        QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Playing"), kWait);
        QCOMPARE(m_window->form.status.Caption(), QStringLiteral("- Lecture"));
        QTRY_VERIFY_WITH_TIMEOUT(metadata(QStringLiteral("mpris:length")).toLongLong() > 29000000, kWait);
        QVERIFY(metadata(QStringLiteral("mpris:length")).toLongLong() < 31000000);
        QCOMPARE(metadata(QStringLiteral("xesam:title")), QStringLiteral("long.flv"));
        QCOMPARE(metadata(QStringLiteral("xesam:url")), QUrl::fromLocalFile(file).toString());
        QVERIFY(metadata(QStringLiteral("mpris:trackid")).startsWith(QStringLiteral("/org/quorvel/track/")));

        QCOMPARE(playerctl({QStringLiteral("pause")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->form.status.Caption(), QStringLiteral("- En pause"), kWait);
        QCOMPARE(status(), QStringLiteral("Paused"));
        // Seeking while paused shows the new position on the control bar at once.
        QCOMPARE(playerctl({QStringLiteral("position"), QStringLiteral("9")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->elapsedText(), QStringLiteral("00:09"), kWait);
        QCOMPARE(playerctl({QStringLiteral("position")}).out.toDouble(), 9.0);

        QCOMPARE(playerctl({QStringLiteral("play-pause")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->form.status.Caption(), QStringLiteral("- Lecture"), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->elapsedText() >= QStringLiteral("00:10"), kWait);

        QCOMPARE(playerctl({QStringLiteral("volume"), QStringLiteral("0.3")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->remote.volume(), 30, kWait);
        QCOMPARE(playerctl({QStringLiteral("volume")}).out.toDouble(), 0.3);
        // Kept for the next run as a volume set on the control bar is.
        QFile stored(m_window->world.component.sharedObjectFolder +
                     QStringLiteral("/MediaPlayer/quorvel.json"));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains("\"volume\":30"));

        QCOMPARE(playerctl({QStringLiteral("stop")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Stopped"), kWait);
        QCOMPARE(m_window->form.status.Caption(), QStringLiteral("- En pause"));
        // A desktop media key sends PlayPause.
        QCOMPARE(call(QStringLiteral("PlayPause")).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Playing"), kWait);
        QCOMPARE(m_window->form.status.Caption(), QStringLiteral("- Lecture"));

        // Each change reached the watching client as it happened.
        QTRY_VERIFY_WITH_TIMEOUT(followed(follow).endsWith(QStringLiteral("Stopped\nPlaying")), kWait);
        QVERIFY2(followed(follow).contains(QStringLiteral("Playing\nPaused\nPlaying\nStopped\nPlaying")),
                 qPrintable(followed(follow)));
        follow.terminate();
        follow.waitForFinished(kWait);
    }

    void playlistItems() {
        QTemporaryDir dir;
        const QString cover = dir.filePath(QStringLiteral("pochette.png"));
        QFile list(dir.filePath(QStringLiteral("liste.xml")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList>"
                           "<track><title>Premier</title><location>%1</location><image>%2</image></track>"
                           "<track><title>Second</title><location>%3</location></track>"
                           "</trackList></playlist>\n")
                .arg(testing::mediaPath(QStringLiteral("long.flv")), cover,
                     testing::mediaPath(QStringLiteral("h263_mp3.flv")))
                .toUtf8());
        list.close();
        m_window->form.GotADrop(list.fileName());
        QTRY_COMPARE_WITH_TIMEOUT(metadata(QStringLiteral("xesam:title")), QStringLiteral("Premier"), kWait);
        QCOMPARE(metadata(QStringLiteral("mpris:artUrl")), QUrl::fromLocalFile(cover).toString());
        QVERIFY(metadata(QStringLiteral("mpris:trackid")).endsWith(QStringLiteral("/0")));
        QVERIFY(getProperty(mpris::kPlayerInterface, QStringLiteral("CanGoNext")).out.contains("true"));

        QCOMPARE(playerctl({QStringLiteral("next")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(metadata(QStringLiteral("xesam:title")), QStringLiteral("Second"), kWait);
        QVERIFY(metadata(QStringLiteral("mpris:trackid")).endsWith(QStringLiteral("/1")));
        QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Playing"), kWait);
        QCOMPARE(m_window->form.status.Caption(), QStringLiteral("- Lecture"));
        QCOMPARE(playerctl({QStringLiteral("previous")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(metadata(QStringLiteral("xesam:title")), QStringLiteral("Premier"), kWait);
    }

    void openUriLoadsAsADropDoes() {
        const QString file = testing::mediaPath(QStringLiteral("h263_mp3.flv"));
        QCOMPARE(playerctl({QStringLiteral("open"), QUrl::fromLocalFile(file).toString()}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->form.status.Caption(), QStringLiteral("- Lecture"), kWait);
        QCOMPARE(m_window->form.currentflv, file);
        QCOMPARE(m_window->form.form.Caption(), QStringLiteral("Quorvel : ") + file);
        QTRY_COMPARE_WITH_TIMEOUT(metadata(QStringLiteral("xesam:title")), QStringLiteral("h263_mp3.flv"),
                                  kWait);
    }

    void badCalls_data() {
        QTest::addColumn<QStringList>("message");  // member, then arguments in dbus-send's notation
        QTest::addColumn<bool>("refused");
        QTest::addColumn<double>("volume");  // what the volume then reads
        const QString set = QStringLiteral("org.freedesktop.DBus.Properties.Set");
        const QString player = QStringLiteral("string:") + mpris::kPlayerInterface;
        const QString seek = mpris::kPlayerInterface + QStringLiteral(".Seek");
        const QString open = mpris::kPlayerInterface + QStringLiteral(".OpenUri");
        const QString setPosition = mpris::kPlayerInterface + QStringLiteral(".SetPosition");
        QTest::newRow("seek by text") << QStringList{seek, "string:loin"} << true << 0.8;
        QTest::newRow("seek with no offset") << QStringList{seek} << true << 0.8;
        QTest::newRow("huge seek") << QStringList{seek, "int64:9223372036854775807"} << false << 0.8;
        QTest::newRow("huge seek back") << QStringList{seek, "int64:-9223372036854775808"} << false << 0.8;
        QTest::newRow("stale track") << QStringList{setPosition, "objpath:/org/quorvel/track/99/0",
                                                    "int64:5000000"}
                                     << false << 0.8;
        QTest::newRow("no track") << QStringList{setPosition, "objpath:" + mpris::kNoTrack, "int64:-1"}
                                  << false << 0.8;
        QTest::newRow("volume NaN") << QStringList{set, player, "string:Volume", "variant:double:nan"}
                                    << false << 0.8;
        QTest::newRow("volume as text")
            << QStringList{set, player, "string:Volume", "variant:string:fort"} << true << 0.8;
        QTest::newRow("volume 1e9") << QStringList{set, player, "string:Volume", "variant:double:1e9"}
                                    << false << 1.0;
        QTest::newRow("volume below 0")
            << QStringList{set, player, "string:Volume", "variant:double:-3"} << false << 0.0;
        QTest::newRow("rate 4") << QStringList{set, player, "string:Rate", "variant:double:4"} << false
                                << 0.8;
        QTest::newRow("read-only position")
            << QStringList{set, player, "string:Position", "variant:int64:1"} << true << 0.8;
        QTest::newRow("malformed address") << QStringList{open, "string:http://[::1"} << true << 0.8;
        QTest::newRow("empty address") << QStringList{open, "string:"} << true << 0.8;
        QTest::newRow("other scheme") << QStringList{open, "string:gopher://hote/clip.flv"} << true << 0.8;
        QTest::newRow("remote file") << QStringList{open, "string:file://hote/clip.flv"} << true << 0.8;
        QTest::newRow("no such method") << QStringList{mpris::kPlayerInterface + ".Eject"} << true << 0.8;
    }
    void badCalls() {
        QFETCH(QStringList, message);
        QFETCH(bool, refused);
        QFETCH(double, volume);
        const QString file = testing::mediaPath(QStringLiteral("long.flv"));
        m_window->form.GotADrop(file);
        QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Playing"), kWait);
        const QString track = metadata(QStringLiteral("mpris:trackid"));

        const ClientResult result = call(message);
        QCOMPARE(result.exitCode != 0, refused);
        QVERIFY2(!refused || result.err.contains(QStringLiteral("Error")), qPrintable(result.err));
        // The player goes on with what it had, the volume within range.
        QCOMPARE(status(), QStringLiteral("Playing"));
        QCOMPARE(m_window->form.currentflv, file);
        QCOMPARE(metadata(QStringLiteral("mpris:trackid")), track);
        QCOMPARE(playerctl({QStringLiteral("volume")}).out.toDouble(), volume);
        const double position = playerctl({QStringLiteral("position")}).out.toDouble();
        QVERIFY2(position >= 0 && position <= 30.1, qPrintable(QString::number(position)));
        QCOMPARE(getProperty(mpris::kPlayerInterface, QStringLiteral("Rate")).out.section(' ', -1), "1");
    }

    void aFloodOfCalls() {
        m_window->form.GotADrop(testing::mediaPath(QStringLiteral("long.flv")));
        QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Playing"), kWait);
        QDBusConnection client = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("flood"));
        int replies = 0;
        constexpr int kCalls = 400;
        for (int i = 0; i < kCalls; ++i) {
            const QString member = QStringList{"PlayPause", "Seek", "Next", "SetPosition"}.at(i % 4);
            QDBusMessage message = QDBusMessage::createMethodCall(mpris::kBusName, mpris::kObjectPath,
                                                                  mpris::kPlayerInterface, member);
            if (member == QLatin1String("Seek")) message << qlonglong(i % 8 == 1 ? -7000000 : 3000000);
            if (member == QLatin1String("SetPosition"))
                message << QVariant::fromValue(QDBusObjectPath(mpris::kNoTrack)) << qlonglong(i);
            auto* watcher = new QDBusPendingCallWatcher(client.asyncCall(message), this);
            connect(watcher, &QDBusPendingCallWatcher::finished, this, [&replies, watcher] {
                ++replies;
                watcher->deleteLater();
            });
        }
        QTRY_COMPARE_WITH_TIMEOUT(replies, kCalls, 60000);
        QDBusConnection::disconnectFromBus(QStringLiteral("flood"));
        // An even number of toggles: playing still, and the status line says so.
        QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Playing"), kWait);
        QCOMPARE(m_window->form.status.Caption(), QStringLiteral("- Lecture"));
    }

    void raiseAndQuit() {
        m_window->form.form.widget()->showMinimized();
        QCOMPARE(call(QStringLiteral("Raise"), mpris::kRootInterface).exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->form.form.widget()->isMinimized(), kWait);
        QVERIFY(m_window->form.form.isShown());

        const QString movieFile = m_window->form.swffile;
        QVERIFY(QFile::exists(movieFile));
        QCOMPARE(call(QStringLiteral("Quit"), mpris::kRootInterface).exitCode, 0);
        // As the Quit button: the setting saved, the movie file removed, the program ended.
        QTRY_COMPARE_WITH_TIMEOUT(m_window->programEnds, 1, kWait);
        QCOMPARE(m_window->world.settings.saves, 1);
        QVERIFY(!QFile::exists(movieFile));
    }

private:
    ClientResult playerctl(QStringList arguments) {
        arguments.prepend(QStringLiteral("--player=quorvel"));
        return testing::runClient(m_bus->address(), kPlayerctl, arguments);
    }
    ClientResult call(QStringList message) {
        message.prepend(mpris::kObjectPath);
        message.prepend(QStringLiteral("--dest=") + mpris::kBusName);
        message.prepend(QStringLiteral("--print-reply"));
        return testing::runClient(m_bus->address(), kDbusSend, message);
    }
    ClientResult call(const QString& method, const QString& interface = mpris::kPlayerInterface) {
        return call(QStringList{interface + QLatin1Char('.') + method});
    }
    ClientResult getProperty(const QString& interface, const QString& property) {
        return call(QStringList{QStringLiteral("org.freedesktop.DBus.Properties.Get"),
                                QStringLiteral("string:") + interface, QStringLiteral("string:") + property});
    }
    QString status() { return playerctl({QStringLiteral("status")}).out; }
    // Object paths come quoted.
    QString metadata(const QString& key) {
        return playerctl({QStringLiteral("metadata"), key}).out.remove(QLatin1Char('\''));
    }
    void followStatus(QProcess& follow) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus->address());
        follow.setProcessEnvironment(env);
        follow.start(kPlayerctl, {QStringLiteral("--player=quorvel"), QStringLiteral("--follow"),
                                  QStringLiteral("status")});
        QVERIFY(follow.waitForStarted(kWait));
    }
    QString followed(QProcess& follow) {
        m_followed += QString::fromUtf8(follow.readAllStandardOutput());
        return m_followed.trimmed();
    }

    std::unique_ptr<testing::SessionBus> m_bus;
    std::unique_ptr<QDBusConnection> m_connection;
    std::unique_ptr<Window> m_window;
    QString m_followed;
};

QTEST_MAIN(Mpris)
#include "tst_mpris.moc"
