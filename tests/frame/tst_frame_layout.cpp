// The layout pass, the size guard and the screen arithmetic of full-screen mode.
#include "frame/ScreenArithmetic.h"
#include "frame/WindowFrame.h"
#include "support/TestServices.h"

#include <QtTest>

#include <stdexcept>

using testing::TestWorld;

namespace {

// Changes the window's width once, from inside the layout pass, when the Quit button moves.
class ResizeOnMove : public QObject {
public:
    ResizeOnMove(player::Form1& window, float width) : m_window(window), m_width(width) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move && !m_done) {
            m_done = true;
            m_window.form.setWidth(m_width);
        }
        return false;
    }

private:
    player::Form1& m_window;
    float m_width;
    bool m_done = false;
};

}  // namespace

class FrameLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsFollowTheRightAndBottomEdges() {
        TestWorld world;
        player::Form1 f(world.services());
        frame::WindowFrame frame(f, {});
        f.Form_Load();
        f.form.setWidth(6000);
        QCOMPARE(f.Picture4.Left(), 5650.0f);
        QCOMPARE(f.Picture2.Left(), 5300.0f);
        QCOMPARE(f.Picture2.Top(), f.Picture4.Top());
        QCOMPARE(f.status.Left(), 4065.0f);
        QCOMPARE(f.resizepic.Left(), 5505.0f);
        QCOMPARE(f.ctrl->Width(), 6000.0f);

        f.form.setHeight(5010);
        QCOMPARE(f.Picture3.Top(), 4275.0f);
        QCOMPARE(f.resizepic.Top(), 4515.0f);
        QCOMPARE(f.ctrl->Height(), 3900.0f);
        // The bottom bar keeps its designed left and width; the strip its designed width.
        QCOMPARE(f.Picture3.Left(), -240.0f);
        QCOMPARE(f.Picture3.Width(), 5175.0f);
        QCOMPARE(f.Picture1.Width(), 105060.0f);
    }

    void titleEndsBeforeTheStatusTextAtEveryWidth() {
        TestWorld world;
        player::Form1 f(world.services());
        frame::WindowFrame frame(f, {});
        f.Form_Load();
        f.GotADrop(QStringLiteral("/films/Vidéos de vacances/à la plage en juillet/clip.flv"));
        f.form.Show();
        f.status.setCaption(QStringLiteral("- En pause"));
        // Cut short, the whole title is the tooltip; all shown, there is none.
        QCOMPARE(f.LabelTitre.ToolTipText(), f.form.Caption());
        f.form.setWidth(15000);
        QVERIFY(f.LabelTitre.ToolTipText().isEmpty());
        f.form.setWidth(4800);
        QCOMPARE(f.LabelTitre.ToolTipText(), f.form.Caption());
    }

    void passWithoutPlayerAndNegativeSizes() {
        TestWorld world;
        player::Form1 f(world.services());
        frame::WindowFrame frame(f, {});
        // Before the load event there is no player: its steps are skipped, the rest runs.
        QVERIFY(!f.ctrl);
        f.form.setWidth(6000);
        QCOMPARE(f.Picture4.Left(), 5650.0f);
        QCOMPARE(f.status.Left(), 4065.0f);
        frame.layout().Timer1_Timer();
        QCOMPARE(f.form.Width(), 6000.0f);

        // A window lower than the bottom bar and the band gives a negative player height: that
        // step alone is skipped.
        f.Form_Load();
        f.form.setWidth(7000);
        const float before = f.ctrl->Height();
        f.form.setHeight(900);
        QCOMPARE(f.ctrl->Height(), before);
        QCOMPARE(f.ctrl->Width(), 7000.0f);
        QCOMPARE(f.status.Left(), 5065.0f);
        QCOMPARE(f.Picture3.Top(), 900.0f - 735.0f);
    }

    void nestedPassIsSkipped() {
        TestWorld world;
        player::Form1 f(world.services());
        frame::WindowFrame frame(f, {});
        f.Form_Load();
        f.form.Show();
        f.form.setWidth(6000);
        ResizeOnMove nested(f, 7000);
        f.Picture4.widget()->installEventFilter(&nested);
        f.form.setWidth(6600);
        f.Picture4.widget()->removeEventFilter(&nested);
        QCOMPARE(f.form.Width(), 7000.0f);
        // The pass that was running read the old width before the nested change and the new
        // one after it; the nested pass itself did nothing.
        QCOMPARE(f.resizepic.Left(), 6600.0f - 495.0f);
        QCOMPARE(f.Picture4.Left(), 6600.0f - 350.0f);
        QCOMPARE(f.Picture2.Left(), 7000.0f - 350.0f - 330.0f - 20.0f);
        // The flag is down again: the next notification lays the window out.
        f.form.setWidth(6000);
        QCOMPARE(f.resizepic.Left(), 5505.0f);
        QCOMPARE(f.Picture4.Left(), 5650.0f);
    }

    void guardHoldsTheMinimum() {
        TestWorld world;
        player::Form1 f(world.services());
        frame::WindowFrame frame(f, {});
        QCOMPARE(frame.layout().minimumWidth(), 4800.0f);
        QCOMPARE(frame.layout().minimumHeight(), 5010.0f);
        f.Form_Load();
        f.form.Show();
        QCOMPARE(f.form.Width(), 4800.0f);
        QCOMPARE(f.form.Height(), 5010.0f);

        f.form.setWidth(3000);
        f.form.setHeight(2000);
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Width(), 4800.0f, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Height(), 5010.0f, 20000);
        QCOMPARE(f.Picture4.Left(), 4450.0f);
        QCOMPARE(f.resizepic.Left(), 4305.0f);
        QCOMPARE(f.resizepic.Top(), 4515.0f);
        QCOMPARE(f.ctrl->Width(), 4800.0f);
        QCOMPARE(f.ctrl->Height(), 3900.0f);

        // A larger window is left alone, and the player is fitted to it on the next tick.
        f.form.setWidth(9000);
        f.ctrl->setHeight(10);
        QTRY_COMPARE_WITH_TIMEOUT(f.ctrl->Height(), 3900.0f, 20000);
        QCOMPARE(f.form.Width(), 9000.0f);
    }

    void loadLowersTheHeightAndTheGuardRaisesIt() {
        TestWorld world;
        player::Form1 f(world.services());
        frame::WindowFrame frame(f, {});
        f.Form_Load();
        f.form.Show();
        f.GotADrop(QStringLiteral("/nonexistent/clip.flv"));
        QCOMPARE(f.form.Height(), 240 * 15.0f + 375 + 735);
        QCOMPARE(f.ctrl->Height(), 240 * 15.0f);  // the player area after a load
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Height(), 5010.0f, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(f.ctrl->Height(), 3900.0f, 20000);
        QCOMPARE(f.ctrl->Top(), 375.0f);
    }

    void guardLeavesAMinimizedWindowAlone() {
        TestWorld world;
        player::Form1 f(world.services());
        frame::WindowFrame frame(f, {});
        f.Form_Load();
        f.form.Show();
        f.form.widget()->showMinimized();
        QTRY_COMPARE_WITH_TIMEOUT(f.form.windowState(), platform::forms::WindowState::Minimized, 20000);
        f.form.setWidth(3000);
        frame.layout().Timer1_Timer();
        QCOMPARE(f.form.Width(), 3000.0f);
        f.form.widget()->showNormal();
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Width(), 4800.0f, 20000);
    }

    void eachPartUnbindsOnlyWhatItBound() {
        TestWorld world;
        player::Form1 f(world.services());
        f.Form_Load();
        auto bound = [&f] {
            return QList<bool>{
                bool(f.form.Resize),      bool(f.Timer1.TimerEvent),  bool(f.fullscreen.Click),
                bool(f.restorepic.Click), bool(f.Picture2.Click),     bool(f.Picture4.Click),
                bool(f.status.MouseDown), bool(f.Picture1.MouseMove), bool(f.resizepic.MouseDown)};
        };
        {
            frame::WindowFrame frame(f, {});
            QCOMPARE(bound(), QList<bool>(9, true));
        }
        // The window outlives its frame and calls into none of it; a new frame drives it again.
        QCOMPARE(bound(), QList<bool>(9, false));
        frame::WindowFrame again(f, {});
        f.form.setHeight(3000);
        QTRY_COMPARE_WITH_TIMEOUT(f.form.Height(), 5010.0f, 20000);
        QCOMPARE(f.ctrl->Height(), 3900.0f);
    }

    void screenArithmetic() {
        // Half to even, as the window sizes are saved.
        QCOMPARE(frame::toLong(2.5), 2);
        QCOMPARE(frame::toLong(3.5), 4);
        QCOMPARE(frame::toLong(-2.5), -2);
        QCOMPARE(frame::toLong(6000.49), 6000);
        QCOMPARE(frame::toLong(6000.51), 6001);
        QVERIFY_THROWS_EXCEPTION(std::range_error, frame::toLong(3e9));
        QVERIFY_THROWS_EXCEPTION(std::range_error, frame::toLong(std::nan("")));

        QCOMPARE(frame::screenPixels(15360, 15), 1024);
        // Both operands rounded first, then the quotient truncated.
        QCOMPARE(frame::screenPixels(15374.6f, 14.6f), 1025);
        QCOMPARE(frame::screenPixels(15359, 15), 1023);
        QVERIFY_THROWS_EXCEPTION(std::range_error, frame::screenPixels(40000 * 15.0f, 15));
        QVERIFY_THROWS_EXCEPTION(std::domain_error, frame::screenPixels(15360, 0.4f));
    }
};

QTEST_MAIN(FrameLayout)
#include "tst_frame_layout.moc"
