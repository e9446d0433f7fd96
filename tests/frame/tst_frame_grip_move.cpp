// The resize grip and the window move, driven by mouse events through the window, so that the
// pointer capture of a pressed control is the real one.
#include "frame/Layout.h"
#include "frame/ResizeGrip.h"
#include "frame/WindowMove.h"
#include "support/TestServices.h"

#include <QtTest>

using testing::TestWorld;

namespace {

const QPoint kGripOrigin(1, 1);

// A loaded window at its minimum size, shown, with the layout, the grip and a move that only
// counts its starts.
struct LoadedWindow {
    LoadedWindow()
        : f(world.services()), layout(f, mode), grip(f), move(f, [this] { return ++moves, false; }) {
        f.Form_Load();
        // A title long enough to reach under the status text, which lies in front of it.
        f.GotADrop(QStringLiteral("/nonexistent/Vidéos de vacances/à la plage en juillet/clip.flv"));
        f.form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.widget()));
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Height(), 5010.0f, 20000);
    }
    QWindow* window() const { return f.form.widget()->windowHandle(); }
    // A point of a control, in the window's pixels.
    QPoint at(const platform::forms::Control& c, QPoint offset = {}) const {
        return c.widget()->mapTo(f.form.widget(), offset);
    }

    TestWorld world;
    player::Form1 f;
    frame::ScreenMode mode;
    frame::Layout layout;
    frame::ResizeGrip grip;
    int moves = 0;
    frame::WindowMove move;
};

}  // namespace

class FrameGripMove : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gripResizesFromPressToRelease() {
        LoadedWindow w;
        auto& f = w.f;
        QVERIFY(f.resizepic.Visible());
        // The grip's own coordinates start inside its one-pixel border.
        const QPoint corner = w.at(f.resizepic, kGripOrigin);
        QTest::mousePress(w.window(), Qt::LeftButton, {}, corner);
        QCOMPARE(w.grip.resizing(), 1);

        // 300 and 150 twips from the grip's top-left corner grow the window by as much, and
        // the grip's corner follows the pointer.
        QTest::mouseMove(w.window(), corner + QPoint(20, 10));
        QCOMPARE(f.form.Width(), 5100.0f);
        QCOMPARE(f.form.Height(), 5160.0f);
        QCOMPARE(w.at(f.resizepic, kGripOrigin), corner + QPoint(20, 10));
        QCOMPARE(f.ctrl->Height(), 5160.0f - 735 - 375);

        // Outside the grip the moves still reach it; towards the top-left the window shrinks
        // below the minimum and the guard, held back meanwhile, brings it back.
        f.Timer1.setEnabled(false);
        QTest::mouseMove(w.window(), corner + QPoint(20 - 100, 10 - 120));
        QCOMPARE(f.form.Width(), 5100.0f - 1500);
        QCOMPARE(f.form.Height(), 5160.0f - 1800);
        QTest::mouseRelease(w.window(), Qt::LeftButton, {}, corner + QPoint(-80, -110));
        QCOMPARE(w.grip.resizing(), 0);
        f.Timer1.setEnabled(true);
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Width(), 4800.0f, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Height(), 5010.0f, 20000);

        // After the release, moves over the grip leave the size alone.
        QTest::mouseMove(w.window(), w.at(f.resizepic, QPoint(10, 10)));
        QCOMPARE(f.form.Width(), 4800.0f);
        QCOMPARE(f.form.Height(), 5010.0f);
        QCOMPARE(w.moves, 0);
    }

    void anyButtonResizesAndHoverDoesNot() {
        LoadedWindow w;
        auto& f = w.f;
        // Over the status text and then the grip with no button: nothing happens.
        QTest::mouseMove(w.window(), w.at(f.status, QPoint(3, 3)));
        QTest::mouseMove(w.window(), w.at(f.resizepic, QPoint(5, 5)));
        QCOMPARE(f.form.Width(), 4800.0f);
        QCOMPARE(w.grip.resizing(), 0);

        const QPoint corner = w.at(f.resizepic, kGripOrigin);
        QTest::mousePress(w.window(), Qt::RightButton, {}, corner);
        QTest::mouseMove(w.window(), corner + QPoint(40, 30));
        QCOMPARE(f.form.Width(), 4800.0f + 600);
        QCOMPARE(f.form.Height(), 5010.0f + 450);
        QTest::mouseRelease(w.window(), Qt::RightButton, {}, corner + QPoint(40, 30));
        QCOMPARE(w.grip.resizing(), 0);
    }

    void sizesThatAreNotPositiveAreSkippedAlone() {
        LoadedWindow w;
        auto& f = w.f;
        w.grip.resizepic_MouseDown({1, 0, 0, 0});
        w.grip.resizepic_MouseMove({1, 0, -4800, 150});
        QCOMPARE(f.form.Width(), 4800.0f);
        QCOMPARE(f.form.Height(), 5160.0f);
        w.grip.resizepic_MouseMove({1, 0, 300, -1e9f});
        QCOMPARE(f.form.Width(), 5100.0f);
        QCOMPARE(f.form.Height(), 5160.0f);
    }

    void titleStripAndStatusMoveOnceAPressWithTheLeftButton() {
        LoadedWindow w;
        auto& f = w.f;
        const QPoint strip = w.at(f.Picture1, QPoint(6, 6));
        // A hover over the strip must not start a move.
        QTest::mouseMove(w.window(), strip);
        QTest::mouseMove(w.window(), strip + QPoint(4, 0));
        QCOMPARE(w.moves, 0);
        // A drag on the strip does, once: the moves after it carry the button the window system's
        // move swallowed the release of, and must not start another.
        QTest::mousePress(w.window(), Qt::LeftButton, {}, strip);
        QTest::mouseMove(w.window(), strip + QPoint(8, 1));
        QTest::mouseMove(w.window(), strip + QPoint(12, 2));
        QCOMPARE(w.moves, 1);
        QTest::mouseRelease(w.window(), Qt::LeftButton, {}, strip + QPoint(12, 2));
        QTest::mouseMove(w.window(), strip + QPoint(2, 2));
        QCOMPARE(w.moves, 1);

        w.moves = 0;
        const QPoint status = w.at(f.status, QPoint(3, 3));
        QTest::mousePress(w.window(), Qt::RightButton, {}, status);
        QTest::mouseMove(w.window(), status + QPoint(2, 0));
        QTest::mouseRelease(w.window(), Qt::RightButton, {}, status);
        QCOMPARE(w.moves, 0);
        // The press on the status text is its move; the strip under it asks for none.
        QTest::mousePress(w.window(), Qt::LeftButton, {}, status);
        QCOMPARE(w.moves, 1);
        QTest::mouseMove(w.window(), status + QPoint(4, 0));
        QCOMPARE(w.moves, 1);
        QTest::mouseRelease(w.window(), Qt::LeftButton, {}, status);
        QCOMPARE(f.form.Width(), 4800.0f);
        QCOMPARE(w.grip.resizing(), 0);
    }
};

QTEST_MAIN(FrameGripMove)
#include "tst_frame_grip_move.moc"
