// Quorvel as users run it on X11: the real program on an X server with a window manager
// (openbox), driven by real pointer and key events, so the window manager takes part.
#include "WindowPoints.h"
#include "support/DesktopSession.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

using testing::DesktopSession;
using testing::waitUntil;
using namespace window_points;

namespace {
constexpr int kWait = 30000;
}  // namespace

class TestDesktopX11 : public QObject {
    Q_OBJECT

    std::unique_ptr<DesktopSession> m_session;
    QProcess* m_quorvel = nullptr;
    QString m_window;

    QRect window() const { return m_session->windowGeometry(m_window); }
    QString title() const {
        return QString::fromUtf8(
            m_session->run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), m_window}).trimmed());
    }
    static QString scratchFile(const QString& name) {
        return QDir(qEnvironmentVariable("QUORVEL_TEST_SCRATCH")).filePath(name);
    }
    bool windowAt(const QRect& expected) const {
        return waitUntil([&] { return window() == expected; }, kWait);
    }

private slots:
    void initTestCase() {
        m_session = std::make_unique<DesktopSession>();
        QString error;
        QVERIFY2(m_session->startX11(&error), qPrintable(error));
        QVERIFY2(m_session->startWindowManager(&error), qPrintable(error));
        m_quorvel = m_session->startQuorvel(DesktopSession::Platform::X11, {DesktopSession::demoClip()});
        m_window = m_session->waitForWindow(QStringLiteral("^Quorvel : "));
        QVERIFY2(!m_window.isEmpty(), "Quorvel's window did not show");
    }
    void cleanupTestCase() { m_session.reset(); }

    void startsBorderlessAtItsSize() {
        QVERIFY(waitUntil([&] { return window().size() == kLoadedSize; }, kWait));
        // The window manager drew no frame around it.
        QVERIFY(waitUntil(
            [&] {
                return m_session
                           ->run(QStringLiteral("xprop"),
                                 {QStringLiteral("-id"), m_window, QStringLiteral("_NET_FRAME_EXTENTS")})
                           .trimmed() == "_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0";
            },
            kWait));
    }

    void titleStripMovesOnceThenTheGripResizes() {
        const QRect before = window();
        const QPoint by(120, 60);
        m_session->drag(titleStrip(before), titleStrip(before) + by);
        QVERIFY2(waitUntil([&] { return movedBy(before, window(), by); }, kWait),
                 qPrintable(QStringLiteral("window at %1,%2").arg(window().x()).arg(window().y())));
        const QRect moved = window();
        // With no button held the pointer leaves the window where it is.
        m_session->pointerTo(titleStrip(moved) + QPoint(200, 150));
        m_session->pointerTo(titleStrip(moved) + QPoint(300, 250));
        QTest::qWait(500);
        QCOMPARE(window(), moved);
        // The grip then resizes the window, and does not move it.
        m_session->drag(grip(moved), grip(moved) + QPoint(40, 30));
        const QRect resized = resizedByGrip(moved, grip(moved) + QPoint(40, 30));
        QVERIFY2(windowAt(resized), qPrintable(QStringLiteral("window %1 x %2 at %3,%4")
                                                   .arg(window().width())
                                                   .arg(window().height())
                                                   .arg(window().x())
                                                   .arg(window().y())));
    }

    void fullScreenCoversTheScreenAndComesBack() {
        const QRect windowed = window();
        m_session->click(fullScreenButton(windowed));
        QVERIFY(windowAt(QRect(0, 0, DesktopSession::kScreenWidth, DesktopSession::kScreenHeight)));
        m_session->click(restoreButton(window()));
        QVERIFY(windowAt(QRect(QPoint(0, 0), windowed.size())));
    }

    void fileDroppedFromAnotherProgramPlays() {
        const QString dropped = scratchFile(QStringLiteral("dropped.flv"));
        QVERIFY(QFile::copy(DesktopSession::demoClip(), dropped));
        m_session->startDragSource(DesktopSession::Platform::X11, dropped);
        const QString source = m_session->waitForWindow(QStringLiteral("^quorvel drag source$"));
        QVERIFY2(!source.isEmpty(), "the drag source did not show");
        m_session->run(QStringLiteral("xdotool"),
                       {QStringLiteral("windowmove"), source, QStringLiteral("600"), QStringLiteral("400")});
        QVERIFY(waitUntil([&] { return m_session->windowGeometry(source).topLeft() == QPoint(600, 400); },
                          kWait));
        m_session->drag(m_session->windowGeometry(source).center(), picture(window()));
        QVERIFY(waitUntil([&] { return title() == QStringLiteral("Quorvel : ") + dropped; }, kWait));
    }

    void fileChosenInTheOpenDialogPlays() {
        const QString chosen = scratchFile(QStringLiteral("chosen.flv"));
        QVERIFY(QFile::copy(DesktopSession::demoClip(), chosen));
        // Right after the drop test, a click can be taken by the drag's end on a busy machine: press again
        // while the dialog has not shown (a click on the window under a modal dialog does nothing).
        QString dialog;
        for (int attempt = 0; attempt < 3 && dialog.isEmpty(); ++attempt) {
            m_session->click(openButton(window()));
            dialog = m_session->waitForWindow(QStringLiteral("^(Ouvrir|Open)"), kWait / 3);
        }
        QVERIFY2(!dialog.isEmpty(), "the Open dialog did not show");
        // The file name field has the focus, as the window manager gave it to the dialog.
        m_session->run(QStringLiteral("xdotool"),
                       {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), chosen});
        m_session->key(QStringLiteral("Return"));
        QVERIFY(waitUntil([&] { return title() == QStringLiteral("Quorvel : ") + chosen; }, kWait));
    }

    void aboutBoxIsFixedWithoutMinimizeOrMaximize() {
        m_session->click(aboutButton(window()));
        const QString about = m_session->waitForWindow(QStringLiteral("^A propos : Quorvel$"));
        QVERIFY2(!about.isEmpty(), "the About box did not show");
        QCOMPARE(m_session->windowGeometry(about).size(), QSize(382, 216));
        // What the box asks of the window manager: no minimize or maximize function or button.
        const QList<QByteArray> motif =
            m_session
                ->run(QStringLiteral("xprop"),
                      {QStringLiteral("-id"), about, QStringLiteral("_MOTIF_WM_HINTS")})
                .split('=')
                .value(1)
                .split(',');
        QCOMPARE(motif.size(), 5);
        constexpr int kMinimizeFunction = 0x8, kMaximizeFunction = 0x10;
        constexpr int kMinimizeButton = 0x20, kMaximizeButton = 0x40;
        QCOMPARE(motif[1].trimmed().toInt(nullptr, 16) & (kMinimizeFunction | kMaximizeFunction), 0);
        QCOMPARE(motif[2].trimmed().toInt(nullptr, 16) & (kMinimizeButton | kMaximizeButton), 0);
        // What openbox then lets the user do. It keeps its minimize button whatever a window asks.
        const QByteArray actions =
            m_session->run(QStringLiteral("xprop"),
                           {QStringLiteral("-id"), about, QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
        QVERIFY2(actions.contains("_NET_WM_ACTION_CLOSE"), actions.constData());
        for (const char* refused : {"_NET_WM_ACTION_MAXIMIZE", "_NET_WM_ACTION_RESIZE"})
            QVERIFY2(!actions.contains(refused), actions.constData());
        m_session->key(QStringLiteral("Escape"));
        QVERIFY(waitUntil([&] { return m_session->waitForWindow(QStringLiteral("^A propos"), 0).isEmpty(); },
                          kWait));
    }

    void tickedBoxMakesXdgOpenStartQuorvel() {
        m_session->click(associateBox(window()));
        const QString clip = scratchFile(QStringLiteral("clip.flv"));
        QVERIFY(QFile::copy(DesktopSession::demoClip(), clip));
        // The desktop's own association, as xdg-open finds it without a desktop environment.
        QVERIFY(waitUntil(
            [&] {
                return m_session
                           ->run(QStringLiteral("xdg-mime"),
                                 {QStringLiteral("query"), QStringLiteral("default"),
                                  QStringLiteral("video/x-flv")})
                           .trimmed() == "org.quorvel.Quorvel.desktop";
            },
            kWait));
        QProcess xdgOpen;
        xdgOpen.setProcessEnvironment(m_session->environment());
        xdgOpen.start(QStringLiteral("xdg-open"), {clip});
        const QString opened =
            m_session->waitForWindow(QStringLiteral("^Quorvel : ") + QRegularExpression::escape(clip));
        QVERIFY2(!opened.isEmpty(), xdgOpen.readAllStandardError().constData());
        // The second Quorvel leaves through its Quit button; xdg-open may have waited for it.
        m_session->click(quitButton(m_session->windowGeometry(opened)));
        QVERIFY(xdgOpen.waitForFinished(kWait));
        QCOMPARE(xdgOpen.exitCode(), 0);
    }

    void quitEndsTheProgram() {
        m_session->click(quitButton(window()));
        QVERIFY(m_quorvel->waitForFinished(kWait));
        QCOMPARE(m_quorvel->exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_quorvel->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDesktopX11)
#include "tst_desktop_x11.moc"
