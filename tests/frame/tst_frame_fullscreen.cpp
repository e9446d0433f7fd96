// Full-screen mode and its leave button, and the About and Quit buttons.
#include "frame/WindowFrame.h"
#include "support/TestServices.h"

#include <QFileInfo>
#include <QScreen>
#include <QtTest>

using testing::TestWorld;

namespace {

struct Ends {
    int count = 0;
};

frame::FrameSeams seams(Ends& ends, std::function<void()> about = {}, bool placesWindows = true) {
    return frame::FrameSeams{std::move(about), [&ends] { ++ends.count; }, placesWindows};
}

// A shown window with a file loaded, at the given windowed size.
void loadAndSize(player::Form1& f, float width, float height) {
    f.Form_Load();
    f.GotADrop(QStringLiteral("/nonexistent/clip.flv"));
    f.form.Show();
    f.form.setWidth(width);
    f.form.setHeight(height);
}

void verifyWindowed(player::Form1& f) {
    QVERIFY(f.Picture1.Visible());
    QVERIFY(f.Picture3.Visible());
    QVERIFY(f.resizepic.Visible());
    QVERIFY(!f.restorepic.Visible());
}

}  // namespace

class FrameFullScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enterCoversTheScreenAndLeaveRestoresTheSize() {
        TestWorld world;
        player::Form1 f(world.services());
        Ends ends;
        frame::WindowFrame frame(f, seams(ends));
        loadAndSize(f, 6000, 5010);
        QVERIFY(f.fullscreen.Visible());

        f.fullscreen.performClick();
        QCOMPARE(frame.fullScreen().savedWidth(), 6000);
        QCOMPARE(frame.fullScreen().savedHeight(), 5010);
        QCOMPARE(f.form.Width(), 15360.0f);
        QCOMPARE(f.form.Height(), 11520.0f);
        QCOMPARE(f.ctrl->Top(), 0.0f);
        QCOMPARE(f.ctrl->Width(), 15360.0f);
        QCOMPARE(f.ctrl->Height(), 11520.0f);
        QVERIFY(!f.Picture1.Visible());
        QVERIFY(!f.Picture3.Visible());
        QVERIFY(!f.resizepic.Visible());
        QVERIFY(f.restorepic.Visible());
        QCOMPARE(f.restorepic.Left(), 14230.0f);
        QCOMPARE(f.Picture4.Left(), 15010.0f);
        // Both buttons lie over the player.
        QWidget* top = f.form.widget();
        QCOMPARE(top->childAt(f.restorepic.widget()->geometry().center()), f.restorepic.widget());
        QCOMPARE(top->childAt(f.Picture4.widget()->geometry().center()), f.Picture4.widget());

        // The guard leaves the full-screen geometry in place: no band at the bottom.
        f.ctrl->setHeight(100);
        QTRY_COMPARE_WITH_TIMEOUT(f.ctrl->Height(), 11520.0f, 20000);
        QCOMPARE(f.form.Width(), 15360.0f);

        f.restorepic.performClick();
        QCOMPARE(f.form.Width(), 6000.0f);
        QCOMPARE(f.form.Height(), 5010.0f);
        QCOMPARE(f.ctrl->Top(), 375.0f);
        QCOMPARE(f.ctrl->Width(), 6000.0f);
        QCOMPARE(f.ctrl->Height(), 4275.0f);
        QCOMPARE(f.Picture4.Left(), 5650.0f);
        verifyWindowed(f);
        QTRY_COMPARE_WITH_TIMEOUT(f.ctrl->Height(), 3900.0f, 20000);
        QVERIFY(!frame.mode().fullScreen);
    }

    void enteringAgainSavesTheSizeAgain() {
        TestWorld world;
        player::Form1 f(world.services());
        Ends ends;
        frame::WindowFrame frame(f, seams(ends));
        loadAndSize(f, 6000.5f, 5010);
        f.fullscreen.performClick();
        QCOMPARE(frame.fullScreen().savedWidth(), 6000);  // half to even
        f.restorepic.performClick();
        QCOMPARE(f.form.Width(), 6000.0f);

        f.form.setWidth(7001.5f);
        f.form.setHeight(6000);
        f.fullscreen.performClick();
        QCOMPARE(frame.fullScreen().savedWidth(), 7002);
        QCOMPARE(frame.fullScreen().savedHeight(), 6000);
        f.restorepic.performClick();
        QCOMPARE(f.form.Width(), 7002.0f);
        QCOMPARE(f.form.Height(), 6000.0f);
        verifyWindowed(f);
    }

    void loadInFullScreenPlaysInFullScreen() {
        TestWorld world;
        player::Form1 f(world.services());
        Ends ends;
        frame::WindowFrame frame(f, seams(ends));
        loadAndSize(f, 6000, 5010);
        f.fullscreen.performClick();
        f.GotADrop(testing::mediaPath(QStringLiteral("h263_mp3.flv")));
        // The new player covers the screen, with the way back shown, as the one before did.
        QCOMPARE(f.form.Width(), 15360.0f);
        QCOMPARE(f.form.Height(), 11520.0f);
        QCOMPARE(f.ctrl->Top(), 0.0f);
        QCOMPARE(f.ctrl->Width(), 15360.0f);
        QCOMPARE(f.ctrl->Height(), 11520.0f);
        QVERIFY(f.restorepic.Visible());
        QVERIFY(!f.Picture1.Visible());
        QVERIFY(!f.Picture3.Visible());
        QVERIFY(!f.resizepic.Visible());
        QVERIFY(frame.mode().fullScreen);
        QCOMPARE(frame.fullScreen().savedWidth(), 6000);
        QTest::qWait(200);  // the guard's ticks leave it so
        QCOMPARE(f.ctrl->Height(), 11520.0f);

        f.restorepic.performClick();
        QCOMPARE(f.form.Width(), 6000.0f);
        QCOMPARE(f.form.Height(), 5010.0f);
        verifyWindowed(f);
    }

    void screenTooWideForSixteenBitsLeavesTheWindowAlone() {
        TestWorld world;
        world.screen = platform::forms::FixedScreenMetrics(40000, 768);
        player::Form1 f(world.services());
        Ends ends;
        frame::WindowFrame frame(f, seams(ends));
        loadAndSize(f, 6000, 5010);
        f.fullscreen.performClick();
        QCOMPARE(f.form.Width(), 6000.0f);
        QVERIFY(!frame.mode().fullScreen);
        verifyWindowed(f);
    }

    void windowSystemFullScreenWhereWindowsCannotBeMoved() {
        TestWorld world;
        player::Form1 f(world.services());
        Ends ends;
        frame::WindowFrame frame(f, seams(ends, {}, false));
        loadAndSize(f, 6000, 5010);
        f.fullscreen.performClick();
        QVERIFY(f.form.widget()->isFullScreen());
        // Whatever size the window system gives, the player covers it and the leave button
        // stays just left of the Quit button.
        QTRY_COMPARE_WITH_TIMEOUT(f.ctrl->Height(), f.form.Height(), 20000);
        QCOMPARE(f.ctrl->Width(), f.form.Width());
        QCOMPARE(f.restorepic.Left(), f.form.Width() - 350 - 780);
        f.restorepic.performClick();
        QVERIFY(!f.form.widget()->isFullScreen());
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Width(), 6000.0f, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Height(), 5010.0f, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(f.ctrl->Height(), 3900.0f, 20000);

        // The window system reports the state it was first asked for after the second request:
        // the window goes back to windowed at its own size.
        QTRY_COMPARE_WITH_TIMEOUT(f.form.widget()->size(), QSize(400, 334), 20000);
        f.form.widget()->setWindowState(Qt::WindowFullScreen);
        QTRY_VERIFY_WITH_TIMEOUT(!f.form.widget()->isFullScreen(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(f.form.widget()->size(), QSize(400, 334), 20000);
        QCOMPARE(f.form.Width(), 6000.0f);
        QCOMPARE(f.form.Height(), 5010.0f);
        // Long after the request, full screen through the window system is the user's doing: it
        // stands, and the form takes its size.
        QTest::qWait(2100);
        f.form.widget()->setWindowState(Qt::WindowFullScreen);
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Width(), float(f.form.widget()->screen()->size().width() * 15),
                                  20000);
        QVERIFY(f.form.widget()->isFullScreen());
    }

    void loadInWindowSystemFullScreenStaysFullScreen() {
        TestWorld world;
        player::Form1 f(world.services());
        Ends ends;
        frame::WindowFrame frame(f, seams(ends, {}, false));
        loadAndSize(f, 6000, 5010);
        f.fullscreen.performClick();
        QVERIFY(f.form.widget()->isFullScreen());
        f.GotADrop(testing::mediaPath(QStringLiteral("h263_mp3.flv")));
        QTest::qWait(200);
        QVERIFY(f.form.widget()->isFullScreen());
        QTRY_COMPARE_WITH_TIMEOUT(f.ctrl->Height(), f.form.Height(), 20000);
        QCOMPARE(f.ctrl->Top(), 0.0f);
        QVERIFY(f.restorepic.Visible());

        f.restorepic.performClick();
        QTRY_COMPARE_WITH_TIMEOUT(f.form.widget()->size(), QSize(400, 334), 20000);
        verifyWindowed(f);
    }

    void quitUnloadsOnceAndEnds() {
        TestWorld world;
        player::Form1 f(world.services());
        Ends ends;
        frame::WindowFrame frame(f, seams(ends));
        loadAndSize(f, 6000, 5010);
        f.fullscreen.performClick();
        f.Check1.setValue(1);
        const QString movie = f.swffile;
        QVERIFY(QFileInfo::exists(movie));

        // Quit works in full-screen mode, without leaving it first.
        f.Picture4.performClick();
        QCOMPARE(world.settings.saves, 1);
        QCOMPARE(world.settings.values.value(QStringLiteral("Quorvel/Settings/AssociateFLV")),
                 QStringLiteral("1"));
        QVERIFY(!QFileInfo::exists(movie));
        QCOMPARE(ends.count, 1);
        // The window closing on the way out does not run the unload again.
        f.form.Unload();
        QCOMPARE(world.settings.saves, 1);
    }

    void aboutIsModalWhileTheGuardTicks() {
        TestWorld world;
        player::Form1 f(world.services());
        Ends ends;
        int shown = 0;
        bool raisedWhileOpen = false;
        auto about = [&] {
            ++shown;
            platform::forms::Form box(QStringLiteral("frmAbout"), platform::forms::FormKind::FixedDialog,
                                      world.screen);
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (f.form.Height() != 5010.0f) return;
                raisedWhileOpen = true;
                box.Unload();
            });
            poll.start(10);
            box.ShowModal();
        };
        frame::WindowFrame frame(f, seams(ends, about));
        loadAndSize(f, 6000, 3000);
        f.Picture2.performClick();
        QCOMPARE(shown, 1);
        QVERIFY(raisedWhileOpen);
        f.Picture2.performClick();
        QCOMPARE(shown, 2);
        QCOMPARE(ends.count, 0);
    }
};

QTEST_MAIN(FrameFullScreen)
#include "tst_frame_fullscreen.moc"
