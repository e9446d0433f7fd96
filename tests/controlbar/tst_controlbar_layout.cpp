#include "player/movie/views/controlbar/ClockText.h"
#include "player/movie/views/controlbar/ConfigColor.h"
#include "player/movie/views/controlbar/ControlbarLayout.h"

#include <QtTest>

#include <limits>

using namespace movie;

namespace {

// The host's player: a 320 x 260 stage with the display 20 pixels shorter, one item.
ControlbarLayoutInput hostInput() {
    ControlbarLayoutInput in;
    in.width = in.stageWidth = in.displayWidth = 320;
    in.height = in.stageHeight = 260;
    in.displayHeight = 240;
    return in;
}

}  // namespace

class ControlbarLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hostStageWithOneItem() {
        const ControlbarLayout l = layoutControlbar(hostInput());
        QCOMPARE(l.x, 0.0);
        QCOMPARE(l.y, 240.0);
        QCOMPARE(l.width, 320.0);
        QCOMPARE(l.scale, 1.0);
        QCOMPARE(l.alpha, 1.0);
        QCOMPARE(l.backAlpha, 1.0);
        QVERIFY(!l.overDisplay);
        QCOMPARE(l.back.width, 320.0);
        QVERIFY(!l.prev.visible && !l.next.visible);
        QCOMPARE(l.scrub.x, 17.0);
        QCOMPARE(l.scrub.width, 248.0);
        QVERIFY(l.fs.visible);
        QCOMPARE(l.fs.x, 265.0);
        QVERIFY(l.fsButton.visible && !l.nsButton.visible);
        QVERIFY(!l.cc.visible);
        QCOMPARE(l.vol.x, 283.0);
        QVERIFY(l.elpTxt.visible && l.remTxt.visible);
        QCOMPARE(l.bar.x, 42.0);
        QCOMPARE(l.remTxt.x, 209.0);
        QCOMPARE(l.barWidths, 164.0);
        QCOMPARE(l.bck.width, 164.0);
    }

    void fullScreenButtonRule_data() {
        QTest::addColumn<bool>("canChange");
        QTest::addColumn<bool>("useFullscreen");
        QTest::addColumn<bool>("onlyAudio");
        QTest::addColumn<bool>("link");
        QTest::addColumn<bool>("shown");
        QTest::newRow("player cannot change its display") << false << true << false << false << false;
        QTest::newRow("usefullscreen false") << true << false << false << false << false;
        QTest::newRow("audio only") << true << true << true << false << false;
        QTest::newRow("cannot, but a link is set") << false << true << false << true << true;
        QTest::newRow("audio only with a link") << true << false << true << true << true;
    }
    void fullScreenButtonRule() {
        QFETCH(bool, canChange);
        QFETCH(bool, useFullscreen);
        QFETCH(bool, onlyAudio);
        QFETCH(bool, link);
        QFETCH(bool, shown);
        ControlbarLayoutInput in = hostInput();
        in.canChangeDisplayState = canChange;
        in.useFullscreen = useFullscreen;
        in.onlyAudio = onlyAudio;
        in.hasFsButtonLink = link;
        const ControlbarLayout l = layoutControlbar(in);
        QCOMPARE(l.fs.visible, shown);
        QCOMPARE(l.scrub.width, shown ? 248.0 : 266.0);
        QCOMPARE(l.barWidths, shown ? 164.0 : 182.0);
        QCOMPARE(l.vol.x, 283.0);
    }

    void severalItemsShowPreviousAndNext() {
        ControlbarLayoutInput in = hostInput();
        in.itemCount = 3;
        const ControlbarLayout l = layoutControlbar(in);
        QVERIFY(l.prev.visible && l.next.visible);
        QCOMPARE(l.prev.x, 17.0);
        QCOMPARE(l.next.x, 34.0);
        QCOMPARE(l.scrub.x, 51.0);
        QCOMPARE(l.scrub.width, 320.0 - 88 - 18);
        QCOMPARE(l.barWidths, 320.0 - 88 - 18 - 84);
        QCOMPARE(l.scrub.x + l.scrub.width, l.fs.x);  // the groove ends where the button starts
    }

    void captionsButtonMovesFullScreenLeft() {
        ControlbarLayoutInput in = hostInput();
        in.hasCaptions = true;
        const ControlbarLayout l = layoutControlbar(in);
        QVERIFY(l.cc.visible);
        QCOMPARE(l.cc.x, 266.0);
        QCOMPARE(l.fs.x, 248.0);
        QCOMPARE(l.scrub.width, 231.0);
        QCOMPARE(l.scrub.x + l.scrub.width, l.fs.x);
        QCOMPARE(l.fs.x + l.fs.width, l.cc.x);
    }

    void timesHiddenOnANarrowGrooveOrWhenAsked() {
        ControlbarLayoutInput in = hostInput();
        in.showDigits = false;
        ControlbarLayout l = layoutControlbar(in);
        QVERIFY(!l.elpTxt.visible && !l.remTxt.visible);
        QCOMPARE(l.bar.x, 5.0);
        QCOMPARE(l.barWidths, 238.0);

        in = hostInput();
        in.width = in.stageWidth = in.displayWidth = 191;  // groove 119
        l = layoutControlbar(in);
        QCOMPARE(l.scrub.width, 119.0);
        QVERIFY(!l.elpTxt.visible);
        QCOMPARE(l.barWidths, 109.0);
        in.width = in.stageWidth = in.displayWidth = 192;  // groove 120: wide enough
        l = layoutControlbar(in);
        QVERIFY(l.elpTxt.visible);
        QCOMPARE(l.barWidths, 36.0);
    }

    void largeControlsDoubleTheScale() {
        ControlbarLayoutInput in = hostInput();
        in.largeControls = true;
        in.displayHeight = 220;  // the configuration takes 20 more for the taller bar
        const ControlbarLayout l = layoutControlbar(in);
        QCOMPARE(l.scale, 2.0);
        QCOMPARE(l.y, 220.0);
        QCOMPARE(l.width, 160.0);
        QCOMPARE(l.scrub.width, 88.0);
        QVERIFY(!l.elpTxt.visible);  // under 120 units
        QCOMPARE(l.barWidths, 78.0);
        QCOMPARE(l.vol.x, 123.0);
    }

    void barOverTheDisplay() {
        ControlbarLayoutInput in = hostInput();
        in.displayHeight = 260;
        ControlbarLayout l = layoutControlbar(in);
        QVERIFY(l.overDisplay);
        QCOMPARE(l.x, 20.0);
        QCOMPARE(l.y, 220.0);
        QCOMPARE(l.width, 280.0);
        QCOMPARE(l.alpha, 0.0);
        QCOMPARE(l.backAlpha, 0.4);
        QVERIFY(l.fsButton.visible && !l.nsButton.visible);

        in.width = in.stageWidth = in.displayWidth = 451;
        in.height = in.stageHeight = in.displayHeight = 300;
        l = layoutControlbar(in);
        QCOMPARE(l.x, 26.0);  // round(225.5 - 200), halves up
        QCOMPARE(l.y, 260.0);
        QCOMPARE(l.width, 400.0);

        in.displayWidth = 449;  // the display's width decides, not the stage's
        l = layoutControlbar(in);
        QCOMPARE(l.x, 20.0);
        QCOMPARE(l.width, 409.0);
    }

    void fullScreenState() {
        ControlbarLayoutInput in = hostInput();
        in.fullScreen = true;
        in.width = in.stageWidth = in.displayWidth = 1024;
        in.height = in.stageHeight = 768;
        in.displayHeight = 748;
        ControlbarLayout l = layoutControlbar(in);
        QCOMPARE(l.x, 312.0);
        QCOMPARE(l.y, 728.0);
        QCOMPARE(l.width, 400.0);
        QCOMPARE(l.alpha, 1.0);
        QCOMPARE(l.backAlpha, 0.4);
        QVERIFY(!l.overDisplay);
        QVERIFY(!l.fsButton.visible && l.nsButton.visible);
        QCOMPARE(l.scrub.width, 328.0);

        in.largeControls = true;
        l = layoutControlbar(in);
        QCOMPARE(l.scale, 2.0);
        QCOMPARE(l.x, 212.0);
        QCOMPARE(l.y, 708.0);
        QCOMPARE(l.width, 300.0);
    }

    void clockTexts() {
        QCOMPARE(clockText(65), QStringLiteral("01:05"));
        QCOMPARE(clockText(135), QStringLiteral("02:15"));
        QCOMPARE(clockText(0), QStringLiteral("00:00"));
        QCOMPARE(clockText(59.99), QStringLiteral("00:59"));
        QCOMPARE(clockText(600), QStringLiteral("10:00"));
        QCOMPARE(clockText(99 * 60 + 59), QStringLiteral("99:59"));
        QCOMPARE(clockText(100 * 60 + 7), QStringLiteral("100:07"));
        QCOMPARE(clockText(-4), QStringLiteral("00:00"));
        QCOMPARE(clockText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("00:00"));
        QCOMPARE(clockText(std::numeric_limits<double>::infinity()), QStringLiteral("00:00"));
        QCOMPARE(loadText(42), QStringLiteral("42 %"));
        QCOMPARE(loadText(42.5), QStringLiteral("43 %"));
        QCOMPARE(loadText(0.2), QStringLiteral("0 %"));
    }

    void configColors() {
        QCOMPARE(colorFromText(QStringLiteral("16777215")), QColor(Qt::white));
        QCOMPARE(colorFromText(QStringLiteral("0")), QColor(Qt::black));
        QCOMPARE(colorFromText(QStringLiteral("0xFF0000")), QColor(255, 0, 0));
        QCOMPARE(colorFromText(QStringLiteral("#00ff00")), QColor(0, 255, 0));
        QCOMPARE(colorFromText(QStringLiteral("0x1FF0000")), QColor(255, 0, 0));  // only the low 24 bits
        QCOMPARE(colorFromText(QStringLiteral("rouge")), QColor(Qt::black));
        QCOMPARE(colorFromText(QStringLiteral("-1")), QColor(Qt::black));
        QCOMPARE(colorFromText(QStringLiteral("1e300")), QColor(Qt::black));
    }
};

QTEST_GUILESS_MAIN(ControlbarLayoutTest)
#include "tst_controlbar_layout.moc"
