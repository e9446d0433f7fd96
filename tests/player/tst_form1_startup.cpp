// The main window as composed, its start-up from the command line and the setting, and shutdown.
#include "platform/forms/Errors.h"
#include "platform/forms/ExtenderControl.h"
#include "platform/forms/PlayerProgId.h"
#include "player/Form1.h"
#include "support/TestServices.h"

#include <QFileInfo>
#include <QtTest>

using testing::TestWorld;

namespace {
const QString kSettingKey = QStringLiteral("Quorvel/Settings/AssociateFLV");

// Index of a widget among its siblings: higher lies in front.
int stackIndex(const QWidget* w) {
    return int(w->parentWidget()->children().indexOf(const_cast<QWidget*>(w)));
}
}  // namespace

class Form1Startup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void composedGeometryAndStacking() {
        TestWorld world;
        player::Form1 f(world.services());
        QCOMPARE(f.form.Width(), 4830.0f);
        QCOMPARE(f.form.Height(), 4845.0f);
        QCOMPARE(f.form.Caption(), QStringLiteral("Quorvel"));
        // Sized to their pictures, border included.
        QCOMPARE(f.Picture1.widget()->size(), QSize(7004, 27));
        QCOMPARE(f.Picture1.Width(), 105060.0f);
        QCOMPARE(f.Picture1.Height(), 405.0f);
        QCOMPARE(f.restorepic.widget()->size(), QSize(52, 22));
        QCOMPARE(f.Picture2.widget()->size(), QSize(22, 22));
        QCOMPARE(f.fullscreen.widget()->size(), QSize(70, 20));
        QCOMPARE(f.OpenFile.widget()->size(), QSize(50, 20));
        QCOMPARE(f.Picture4.widget()->geometry(), QRect(232, 1, 23, 25));
        // Children of a picture box sit inside its 3D border.
        QCOMPARE(f.Picture2.widget()->pos(), QPoint(2 + 208, 2 + 1));
        QCOMPARE(f.Picture2.widget()->parentWidget(), f.Picture1.widget());
        // The Quit button and the grip are siblings lying over the strips.
        QVERIFY(stackIndex(f.Picture4.widget()) > stackIndex(f.Picture1.widget()));
        QVERIFY(stackIndex(f.restorepic.widget()) > stackIndex(f.Picture1.widget()));
        QVERIFY(stackIndex(f.resizepic.widget()) > stackIndex(f.Picture3.widget()));
        QVERIFY(stackIndex(f.dragpic.widget()) > stackIndex(f.resizepic.widget()));
        QVERIFY(!f.restorepic.Visible());
        QVERIFY(!f.fullscreen.Visible());
        QCOMPARE(f.Timer1.Interval(), 50);
        QVERIFY(f.Timer1.Enabled());
    }

    void composedTexts() {
        TestWorld world;
        player::Form1 f(world.services());
        QCOMPARE(f.draglabel.Caption(), QStringLiteral("Glisser - Déposer ici"));
        QCOMPARE(f.Check1.Caption(), QStringLiteral("Associer .FLV"));
        QCOMPARE(f.Check1.ToolTipText(), QStringLiteral("Associe les fichiers .FLV à Quorvel"));
        QCOMPARE(f.restorepic.ToolTipText(), QStringLiteral("Quitter le mode plein écran"));
        QCOMPARE(f.Picture4.ToolTipText(), QStringLiteral("Quitter le lecteur"));
        QCOMPARE(f.resizepic.ToolTipText(), QStringLiteral("Redimensionner"));
        QCOMPARE(f.fullscreen.ToolTipText(), QStringLiteral("Mode plein écran"));
        QCOMPARE(f.OpenFile.ToolTipText(), QStringLiteral("Ouvrir un fichier .FLV"));
        QCOMPARE(f.Picture2.ToolTipText(), QStringLiteral("A propos"));
        QVERIFY(f.Label1.Caption().startsWith(QStringLiteral("Contact: ")));
        QCOMPARE(f.LabelTitre.Caption(), QStringLiteral("Quorvel"));
        QVERIFY(f.status.Caption().isEmpty());
        QVERIFY(f.LabelTitre.widget()->font().bold());
        QCOMPARE(f.resizepic.mousePointer(), platform::forms::MousePointer::SizeNWSE);
    }

    void startsWithNoArgument() {
        TestWorld world;
        player::Form1 f(world.services());
        f.Form_Load();
        QCOMPARE(f.form.Width(), 4800.0f);
        QCOMPARE(f.form.Height(), 3900.0f + 375 + 735);
        QCOMPARE(f.resizepic.Left(), 4800.0f - 495);
        QCOMPARE(f.resizepic.Top(), 5010.0f - 495);
        QVERIFY(!f.resizepic.Visible());
        QVERIFY(f.dragpic.Visible());
        QCOMPARE(f.dragpic.Top(), 375.0f);
        QCOMPARE(f.dragpic.Height(), 5010.0f - 2 * 735);
        QCOMPARE(f.dragpic.Width(), 4800.0f);
        QCOMPARE(f.form.Caption(), QStringLiteral("Quorvel"));
        QVERIFY(f.ctrl);
        QCOMPARE(f.ctrl->Name(), QStringLiteral("flashplayer"));
        QCOMPARE(f.ctrl->Width(), 0.0f);
        QCOMPARE(f.form.BackColor(), QColor(0, 0, 0));
    }

    void commandLineReachesGotADrop_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("path with a space, unquoted") << QStringLiteral("/home/moi/Mes Films/clip.flv");
        QTest::newRow("quoted argument keeps its quotes") << QStringLiteral("\"/tmp/a b.flv\"");
    }
    void commandLineReachesGotADrop() {
        QFETCH(QString, line);
        TestWorld world(line);
        player::Form1 f(world.services());
        f.Form_Load();
        QCOMPARE(f.currentflv, line);
        QCOMPARE(f.form.Caption(), QStringLiteral("Quorvel : ") + line);
        QVERIFY(!f.dragpic.Visible());
        QVERIFY(f.resizepic.Visible());
        QVERIFY(f.fullscreen.Visible());
    }

    void commandOption() {
        TestWorld world(QStringLiteral("-x a -x b"));
        player::Form1 f(world.services());
        QCOMPARE(f.GetCommandOption(QString()), QStringLiteral("-x a -x b"));
        QCOMPARE(f.GetCommandOption(QStringLiteral("-x")), QStringLiteral(" a -x b"));
        QCOMPARE(f.GetCommandOption(QStringLiteral("-X")), QString());
        TestWorld empty;
        player::Form1 g(empty.services());
        QCOMPARE(g.GetCommandOption(QString()), QString());
    }

    void storedAssociationSetting_data() {
        QTest::addColumn<QString>("stored");  // "<absent>" for no value
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("clicks");
        QTest::newRow("absent") << QStringLiteral("<absent>") << 0 << 0;
        QTest::newRow("empty") << QString() << 0 << 0;
        QTest::newRow("on") << QStringLiteral("1") << 1 << 1;
        QTest::newRow("greyed") << QStringLiteral("2") << 2 << 1;
        QTest::newRow("not a number") << QStringLiteral("abc") << 0 << 0;
        QTest::newRow("out of range") << QStringLiteral("7") << 0 << 0;
        QTest::newRow("leading number") << QStringLiteral(" 1 et plus") << 1 << 1;
        QTest::newRow("too large for 16 bits") << QStringLiteral("99999") << 0 << 0;
    }
    void storedAssociationSetting() {
        QFETCH(QString, stored);
        QFETCH(int, value);
        QFETCH(int, clicks);
        TestWorld world;
        if (stored != QLatin1String("<absent>")) world.settings.values.insert(kSettingKey, stored);
        player::Form1 f(world.services());
        int clicked = 0;
        f.Check1.Click = [&] { ++clicked; };
        f.Form_Load();
        QCOMPARE(f.Check1.Value(), value);
        QCOMPARE(clicked, clicks);
        // The rest of start-up ran whatever the first step did.
        QVERIFY(f.ctrl);
        QCOMPARE(f.form.Width(), 4800.0f);
    }

    void startsWithoutAPlayerComponent_data() {
        QTest::addColumn<bool>("registered");  // a component whose factory fails, or none at all
        QTest::addColumn<QString>("line");
        QTest::newRow("ProgID not registered") << false << QString();
        QTest::newRow("factory failing") << true << QString();
        QTest::newRow("factory failing, file on the command line") << true << QStringLiteral("/tmp/clip.flv");
    }
    void startsWithoutAPlayerComponent() {
        QFETCH(bool, registered);
        QFETCH(QString, line);
        TestWorld world(line);
        platform::forms::ControlFactories components;
        if (registered)
            components.add(platform::forms::kPlayerProgId,
                           [](const QString&, auto&) -> std::unique_ptr<platform::forms::ExtenderControl> {
                               throw std::runtime_error("component failed");
                           });
        const auto base = world.services();
        const player::Form1Services services{base.settings,    base.random,   base.screen,       components,
                                             base.fileDialogs, base.tempPath, base.loadResource, line};
        player::Form1 f(services);
        // Each statement on the missing control is skipped on its own, and says so.
        const QRegularExpression notSet(
            QStringLiteral("^statement skipped at Form1\\.cpp:\\d+ in .*Form_Load.*: object not set$"));
        for (int statement = 0; statement < 6; ++statement) QTest::ignoreMessage(QtWarningMsg, notSet);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^statement skipped at Form1\\.cpp:\\d+ in .*Form_Load.*: "
                                               "(cannot create object|component failed)")));
        if (!line.isEmpty())
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("no control named flashplayer$")));
        f.Form_Load();
        QVERIFY(!f.ctrl);
        QVERIFY_THROWS_EXCEPTION(platform::forms::ObjectNotSetError, f.playerControl());
        // The steps after the control's ran.
        QCOMPARE(f.dragpic.Width(), 4800.0f);
        QVERIFY(!f.resizepic.Visible());
        QVERIFY(QFileInfo::exists(f.swffile));
    }

    void unloadWritesTheSettingEveryTime() {
        TestWorld world;
        world.settings.values.insert(kSettingKey, QStringLiteral("1"));
        player::Form1 f(world.services());
        f.Form_Load();
        int cancel = 0;
        f.Form_Unload(cancel);
        QCOMPARE(world.settings.values.value(kSettingKey), QStringLiteral("1"));
        QCOMPARE(world.settings.saves, 1);
    }

    void errorLeavingAHandlerIsReportedNotFatal() {
        TestWorld world;
        player::Form1 f(world.services());
        f.Check1.Click = [] { throw std::runtime_error("registry refused"); };
        f.Check1.setValue(1);  // raises Click; the error is reported and the window goes on
        QCOMPARE(f.Check1.Value(), 1);
    }
};

QTEST_MAIN(Form1Startup)
#include "tst_form1_startup.moc"
