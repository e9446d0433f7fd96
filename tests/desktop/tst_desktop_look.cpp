// What a person sees: the real program on an X server with openbox, at a fixed screen, DPI, font
// set and style, driven by real input. Each row of the table reaches a state from where the row
// before left the program and compares the screen, cropped to what the state is about, with its
// reference under tests/desktop/look/. QUORVEL_LOOK_REGENERATE=1 writes the references instead
// (tests/desktop/regenerate-look.sh): look at every one that changed before committing it.
#include "WindowPoints.h"
#include "support/DesktopSession.h"

#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <limits>

using testing::DesktopSession;
using testing::waitUntil;
using namespace window_points;

namespace {

constexpr int kWait = 30000;
// Video frames and text drawing vary a little from run to run; a flaw changes far more pixels.
constexpr int kChannelTolerance = 40;
constexpr int kPixelBudget = 40;
constexpr int kStripHeight = 27;  // the title strip with its border, over the player's top rows
constexpr int kTopBand = 25;      // from the window's top to the player
constexpr int kBottomBarHeight = 49;
// The control bar's seek groove with both times, in the window: they move while a clip plays.
const QRect kWindowTimes(17, kTopBand + 240, 248, 20);
// The same on the full screen halved: the bar is 400 wide, centred, 40 pixels above the bottom.
const QRect kFullScreenTimes(164, 364, 165, 10);
// The control bar's full-screen button, in the window.
const QPoint kControlBarFullScreen(273, kTopBand + 250);
const QString kLongFolder = QStringLiteral("Vidéos de vacances/à la plage en juillet");

// What of the screen a row compares.
enum class Crop {
    Window,           // the main window
    TitleStrip,       // its title strip with the strip's bottom edge
    Player,           // the player between the strips
    Screen,           // the whole screen, halved
    WindowAndDialog,  // the main window and the About box together
};

struct Look {
    QString name;  // the reference is look/<name>.png
    std::function<void()> reach;
    Crop crop;
    QList<QRect> ignored;  // in the cropped picture
};

QString referenceFolder() {
    return qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QStringLiteral("/tests/desktop/look/");
}

// Pixels of the actual picture that differ from the reference by more than the tolerance on
// some channel, outside the ignored rectangles; the diff shows them red on the faded picture.
int countDifferences(const QImage& actual, const QImage& reference, const QList<QRect>& ignored,
                     QImage* diff = nullptr) {
    if (actual.size() != reference.size()) return std::numeric_limits<int>::max();
    if (diff) *diff = actual.copy();
    int count = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb r = reference.pixel(x, y);
            const bool skipped = std::any_of(ignored.begin(), ignored.end(),
                                             [&](const QRect& rect) { return rect.contains(x, y); });
            const bool differs = qAbs(qRed(a) - qRed(r)) > kChannelTolerance ||
                                 qAbs(qGreen(a) - qGreen(r)) > kChannelTolerance ||
                                 qAbs(qBlue(a) - qBlue(r)) > kChannelTolerance;
            if (differs && !skipped) ++count;
            if (diff) {
                const int faded = 128 + qGray(a) / 2;
                diff->setPixel(x, y,
                               differs && !skipped ? qRgb(255, 0, 0)
                               : skipped           ? qRgb(faded, faded, 255)
                                                   : qRgb(faded, faded, faded));
            }
        }
    return count;
}

// Fonts from a set the test names, whatever else the machine has installed.
QString writeFontConfig(const QString& folder) {
    const QString path = folder + QStringLiteral("/fonts.conf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return QString();
    file.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                              "<fontconfig>\n"
                              "  <dir>/usr/share/fonts/opentype/comic-neue</dir>\n"
                              "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
                              "  <cachedir>%1/fontcache</cachedir>\n"
                              "</fontconfig>\n")
                   .arg(folder)
                   .toUtf8());
    return path;
}

}  // namespace

class TestDesktopLook : public QObject {
    Q_OBJECT

    std::unique_ptr<DesktopSession> m_session;
    QProcess* m_quorvel = nullptr;
    QString m_window;
    QString m_dialog;
    // A server that takes connections and never answers them: a stream that stalls at once.
    QTcpServer m_stalled;
    QList<QTcpSocket*> m_held;
    const bool m_regenerate = qEnvironmentVariable("QUORVEL_LOOK_REGENERATE") == QLatin1String("1");
    // Where a failing row leaves its pictures: beside the test's output, outside the scratch folder.
    const QString m_failures = QDir::current().filePath(QStringLiteral("look-failures/"));

    QRect window() const { return m_session->windowGeometry(m_window); }

    // Ends the Quorvel running, if any, and starts one with the arguments, in the scratch folder
    // (the window's title shows the path as given) and the style named.
    void start(const QStringList& arguments, const char* style = "Fusion") {
        if (m_quorvel) {
            m_quorvel->terminate();  // a Quit: the association setting is saved
            QVERIFY(m_quorvel->waitForFinished(kWait));
            QVERIFY(waitUntil(
                [&] { return m_session->waitForWindow(QStringLiteral("^Quorvel"), 0).isEmpty(); }, kWait));
        }
        qputenv("QT_STYLE_OVERRIDE", style);
        m_quorvel = m_session->startQuorvel(DesktopSession::Platform::X11, arguments);
        m_window = m_session->waitForWindow(QStringLiteral("^Quorvel"));
        QVERIFY2(!m_window.isEmpty(), "Quorvel's window did not show");
        QVERIFY(waitUntil([&] { return window().size() == kLoadedSize; }, kWait));
    }

    // The window with the frame the window manager put around it.
    QRect withFrame(const QString& window) const {
        const QList<QByteArray> extents =
            m_session
                ->run(QStringLiteral("xprop"),
                      {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")})
                .split('=')
                .value(1)
                .split(',');
        const QRect client = m_session->windowGeometry(window);
        if (extents.size() != 4) return client;
        return client.adjusted(-extents[0].trimmed().toInt(), -extents[2].trimmed().toInt(),
                               extents[1].trimmed().toInt(), extents[3].trimmed().toInt());
    }

    bool activeWindowCoversTheScreen() const {
        const QByteArray active =
            m_session->run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
        return m_session->windowGeometry(QString::fromLatin1(active.trimmed())) ==
               QRect(0, 0, DesktopSession::kScreenWidth, DesktopSession::kScreenHeight);
    }

    // A click, then the pointer out of the way, where it rolls over nothing and shows no tooltip.
    void clickAway(QPoint at) {
        m_session->click(at);
        m_session->pointerTo(QPoint(DesktopSession::kScreenWidth - 1, 0));
    }

    QImage capture(const Look& look) {
        const QImage screen = m_session->screenshot();
        const QRect w = window();
        switch (look.crop) {
            case Crop::Window:
                return screen.copy(w);
            case Crop::TitleStrip:
                return screen.copy(w.x(), w.y(), w.width(), kStripHeight);
            case Crop::Player:
                return screen.copy(w.adjusted(0, kTopBand, 0, -kBottomBarHeight));
            case Crop::Screen:
                return screen.scaled(screen.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            case Crop::WindowAndDialog:
                return screen.copy(w.united(withFrame(m_dialog)));
        }
        return {};
    }

    // The reference, once the screen is still: three captures a second apart that agree.
    void regenerate(const Look& look) {
        QImage last = capture(look);
        int stillFor = 0;
        QVERIFY(waitUntil(
            [&] {
                QTest::qWait(1000);
                const QImage now = capture(look);
                stillFor = countDifferences(now, last, look.ignored) == 0 ? stillFor + 1 : 0;
                last = now;
                return stillFor == 2;
            },
            kWait));
        QVERIFY(QDir().mkpath(referenceFolder()));
        QVERIFY(last.save(referenceFolder() + look.name + QStringLiteral(".png")));
    }

    void compare(const Look& look) {
        const QString path = referenceFolder() + look.name + QStringLiteral(".png");
        const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!reference.isNull(), qPrintable(QStringLiteral("no reference ") + path));
        QImage actual;
        int differing = 0;
        // States settle at their own pace on a busy machine: the screen has until the wait's end.
        if (waitUntil(
                [&] {
                    return (differing = countDifferences(actual = capture(look), reference, look.ignored)) <=
                           kPixelBudget;
                },
                kWait))
            return;
        const QString& out = m_failures;
        QDir().mkpath(out);
        QImage diff;
        countDifferences(actual, reference, look.ignored, &diff);
        actual.save(out + look.name + QStringLiteral("-actual.png"));
        if (!diff.isNull()) diff.save(out + look.name + QStringLiteral("-diff.png"));
        QFAIL(qPrintable(QStringLiteral("%1: %2 pixels differ from %3 (at most %4 may); see %5%1-actual.png "
                                        "and %5%1-diff.png")
                             .arg(look.name)
                             .arg(actual.size() == reference.size() ? QString::number(differing)
                                                                    : QStringLiteral("the size and"))
                             .arg(path)
                             .arg(kPixelBudget)
                             .arg(out)));
    }

    static QString media(const char* name) {
        return qEnvironmentVariable("QUORVEL_TEST_MEDIA") + QLatin1Char('/') + QLatin1String(name);
    }

    // Each row starts where the one before it left the program.
    QList<Look> looks() {
        return {
            {QStringLiteral("empty"), [&] { start({}); }, Crop::Window, {}},
            {QStringLiteral("box-ticked"), [&] { clickAway(associateBox(window())); }, Crop::Window, {}},
            // The setting ticks the box at start.
            {QStringLiteral("box-ticked-windows-style"), [&] { start({}, "Windows"); }, Crop::Window, {}},
            {QStringLiteral("playing"),
             [&] { start({QStringLiteral("solid.flv")}); },
             Crop::Window,
             {kWindowTimes}},
            {QStringLiteral("paused"), [&] { clickAway(picture(window())); }, Crop::Window, {kWindowTimes}},
            {QStringLiteral("player-full-screen-paused"),
             [&] {
                 clickAway(window().topLeft() + kControlBarFullScreen);
                 QVERIFY(waitUntil([&] { return activeWindowCoversTheScreen(); }, kWait));
             },
             Crop::Screen,
             {kFullScreenTimes}},
            {QStringLiteral("long-path-playing"),
             [&] { start({kLongFolder + QStringLiteral("/solid.flv")}); },
             Crop::TitleStrip,
             {}},
            {QStringLiteral("long-path-paused"), [&] { clickAway(picture(window())); }, Crop::TitleStrip, {}},
            {QStringLiteral("buffering-stalled-server"),
             [&] { start({QStringLiteral("http://127.0.0.1:%1/clip.flv").arg(m_stalled.serverPort())}); },
             Crop::Player,
             {}},
            {QStringLiteral("audio-only-playing"),
             [&] { start({QStringLiteral("audio_only.flv")}); },
             Crop::Window,
             {kWindowTimes}},
            {QStringLiteral("about-box"),
             [&] {
                 // Away from the screen's centre, where a box centred on the screen would be.
                 m_session->run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), m_window,
                                                            QStringLiteral("40"), QStringLiteral("60")});
                 QVERIFY(waitUntil([&] { return window().topLeft() == QPoint(40, 60); }, kWait));
                 clickAway(aboutButton(window()));
                 m_dialog = m_session->waitForWindow(QStringLiteral("^A propos : Quorvel$"));
                 QVERIFY2(!m_dialog.isEmpty(), "the About box did not show");
             },
             Crop::WindowAndDialog,
             {}},
        };
    }

private slots:
    void initTestCase() {
        QVERIFY(m_stalled.listen(QHostAddress::LocalHost));
        connect(&m_stalled, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_stalled.nextPendingConnection()) m_held.append(socket);
        });
        m_session = std::make_unique<DesktopSession>();
        // One DPI, scale, font set and style, whatever the machine's.
        qputenv("QT_FONT_DPI", "96");
        qputenv("QT_SCALE_FACTOR", "1");
        qunsetenv("QT_SCREEN_SCALE_FACTORS");
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qputenv("FONTCONFIG_FILE", writeFontConfig(m_session->runtimeFolder()).toLocal8Bit());
        QString error;
        QVERIFY2(m_session->startX11(&error), qPrintable(error));
        QVERIFY2(m_session->startWindowManager(&error), qPrintable(error));
        // The clips are named relative to the scratch folder, so the titles read the same anywhere.
        const QDir scratch(qEnvironmentVariable("QUORVEL_TEST_SCRATCH"));
        QVERIFY(scratch.mkpath(kLongFolder));
        for (const QString& copy : {QStringLiteral("solid.flv"), kLongFolder + QStringLiteral("/solid.flv")})
            QVERIFY(QFile::copy(media("solid.flv"), scratch.filePath(copy)));
        QVERIFY(
            QFile::copy(media("audio_only_long.flv"), scratch.filePath(QStringLiteral("audio_only.flv"))));
        QVERIFY(QDir::setCurrent(scratch.path()));
    }
    void cleanupTestCase() {
        m_session.reset();
        m_stalled.close();
    }

    void looksAsReferenced_data() {
        QTest::addColumn<int>("row");
        const QList<Look> table = looks();
        for (int row = 0; row < table.size(); ++row) QTest::newRow(qPrintable(table[row].name)) << row;
    }
    void looksAsReferenced() {
        QFETCH(int, row);
        const Look look = looks().at(row);
        look.reach();
        if (QTest::currentTestFailed()) return;
        if (m_regenerate)
            regenerate(look);
        else
            compare(look);
    }

    // A box that could be minimised alone would leave the window blocked with nothing to answer:
    // the About box is the main window's own, minimised and brought back with it.
    void aboutBoxGoesWithTheWindow() {
        QVERIFY2(!m_dialog.isEmpty(), "the About box did not show");
        auto state = [&](const QString& window) {
            return m_session->run(QStringLiteral("xprop"),
                                  {QStringLiteral("-id"), window, QStringLiteral("WM_STATE")});
        };
        QVERIFY(
            m_session
                ->run(QStringLiteral("xprop"),
                      {QStringLiteral("-id"), m_dialog, QStringLiteral("WM_TRANSIENT_FOR")})
                .contains(QStringLiteral("window id # 0x%1").arg(m_window.toULongLong(), 0, 16).toLatin1()));
        m_session->run(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), m_dialog});
        QVERIFY(waitUntil([&] { return state(m_window).contains("Iconic"); }, kWait));
        m_session->run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), m_window});
        QVERIFY(waitUntil(
            [&] { return state(m_dialog).contains("Normal") && state(m_window).contains("Normal"); }, kWait));
        m_session->key(QStringLiteral("Escape"));
        QVERIFY(waitUntil([&] { return m_session->waitForWindow(QStringLiteral("^A propos"), 0).isEmpty(); },
                          kWait));
    }
};

QTEST_GUILESS_MAIN(TestDesktopLook)
#include "tst_desktop_look.moc"
