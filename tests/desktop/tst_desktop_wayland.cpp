// Quorvel as a native Wayland client of a real compositor (weston): the borderless window, its
// picture, its move and full screen, seen on the compositor's screen and driven by its pointer.
#include "WindowPoints.h"
#include "support/DesktopSession.h"

#include <QDir>
#include <QtTest>

using testing::DesktopSession;
using testing::waitUntil;
using namespace window_points;

namespace {

constexpr int kWait = 30000;
// The solid clip's colour (tests/media/make-media.sh), as the encoder gives it back.
const QColor kClipColour(0x20, 0x50, 0xC0);
constexpr int kColourTolerance = 16;

QString media(const char* name) {
    return qEnvironmentVariable("QUORVEL_TEST_MEDIA") + QLatin1Char('/') + QLatin1String(name);
}

// The window on the compositor's screen: everything that is not the background.
QRect windowOnScreen(const QImage& screen) {
    return DesktopSession::boundsOf(screen, DesktopSession::kWaylandBackground, false);
}

bool near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= kColourTolerance && qAbs(a.green() - b.green()) <= kColourTolerance &&
           qAbs(a.blue() - b.blue()) <= kColourTolerance;
}

}  // namespace

class TestDesktopWayland : public QObject {
    Q_OBJECT

    std::unique_ptr<DesktopSession> m_session;
    QRect m_window;

    bool windowBecomes(const std::function<bool(const QRect&)>& wanted) {
        return waitUntil([&] { return wanted(m_window = windowOnScreen(m_session->screenshot())); }, kWait);
    }

private slots:
    void initTestCase() {
        m_session = std::make_unique<DesktopSession>();
        QString error;
        QVERIFY2(m_session->startX11(&error), qPrintable(error));
        QVERIFY2(m_session->startWayland(&error), qPrintable(error));
        m_session->startQuorvel(DesktopSession::Platform::Wayland, {media("solid.flv")});
    }
    void cleanupTestCase() { m_session.reset(); }

    void borderlessAtItsSizeWithAnOpaquePicture() {
        QVERIFY2(windowBecomes([](const QRect& w) { return w.size() == kLoadedSize; }),
                 qPrintable(QStringLiteral("window %1 x %2").arg(m_window.width()).arg(m_window.height())));
        // The middle of the player shows the clip's own colour, not a blend with the background.
        const QPoint middle = picture(m_window);
        QColor seen;
        QVERIFY2(
            waitUntil([&] { return near(seen = m_session->screenshot().pixelColor(middle), kClipColour); },
                      kWait),
            qPrintable(seen.name()));
    }

    void titleStripMovesOnceThenTheGripResizes() {
        const QRect before = m_window;
        const QPoint by(120, 60);
        m_session->drag(titleStrip(before), titleStrip(before) + by);
        QVERIFY2(windowBecomes([&](const QRect& w) { return movedBy(before, w, by); }),
                 qPrintable(QStringLiteral("window at %1,%2").arg(m_window.x()).arg(m_window.y())));
        const QRect moved = m_window;
        m_session->pointerTo(moved.topLeft() + QPoint(200, 150));
        m_session->pointerTo(moved.topLeft() + QPoint(300, 250));
        QTest::qWait(500);
        QCOMPARE(windowOnScreen(m_session->screenshot()), moved);
        m_session->drag(grip(moved), grip(moved) + QPoint(40, 30));
        QVERIFY(windowBecomes(
            [&](const QRect& w) { return w == resizedByGrip(moved, grip(moved) + QPoint(40, 30)); }));
    }

    void fullScreenCoversTheOutputAndComesBack() {
        const QRect windowed = m_window;
        m_session->click(fullScreenButton(windowed));
        QVERIFY(windowBecomes([](const QRect& w) {
            return w == QRect(0, 0, DesktopSession::kScreenWidth, DesktopSession::kScreenHeight);
        }));
        m_session->click(restoreButton(m_window));
        QVERIFY(windowBecomes([&](const QRect& w) { return w.size() == windowed.size(); }));
    }

    void fileDroppedFromAnotherProgramPlays() {
        const QString dropped =
            QDir(qEnvironmentVariable("QUORVEL_TEST_SCRATCH")).filePath(QStringLiteral("dropped.flv"));
        QVERIFY(QFile::copy(media("h263_mp3.flv"), dropped));
        const QRect quorvel = m_window;
        m_session->startDragSource(DesktopSession::Platform::Wayland, dropped);
        QRect source;
        QVERIFY(waitUntil(
            [&] {
                source = DesktopSession::boundsOf(m_session->screenshot(), DesktopSession::kDragSourceColour);
                return source.size() == QSize(120, 120);
            },
            kWait));
        // The compositor places windows where it likes: Quorvel is moved clear of the source first.
        QRect target = quorvel;
        if (source.intersects(quorvel)) {
            target.moveTopLeft(source.center().x() < DesktopSession::kScreenWidth / 2
                                   ? QPoint(DesktopSession::kScreenWidth - quorvel.width() - 20, 20)
                                   : QPoint(20, 20));
            m_session->drag(titleStrip(quorvel), titleStrip(target));
        }
        // The solid clip gives way to the dropped one, whose picture is not one colour.
        m_session->drag(source.center(), picture(target));
        QVERIFY(waitUntil(
            [&] { return !near(m_session->screenshot().pixelColor(picture(target)), kClipColour); }, kWait));
    }
};

QTEST_GUILESS_MAIN(TestDesktopWayland)
#include "tst_desktop_wayland.moc"
