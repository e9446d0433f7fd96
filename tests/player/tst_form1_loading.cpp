// The player movie's file in the temporary folder, and loading a file into a fresh player.
#include "platform/services/SystemServices.h"
#include "player/Form1.h"
#include "runtime/component/PlayerControl.h"
#include "support/TestServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using testing::TestWorld;

namespace {

QString rootVariable(const platform::forms::ExtenderControl* ctrl, const QString& name) {
    const auto* player = dynamic_cast<const runtime::PlayerControl*>(ctrl);
    QString value;
    for (const auto& pair : player->rootVariables())
        if (pair.first == name) value = pair.second;
    return value;
}

// The number the scripted generator draws for a given Rnd value.
QString nameFor(const TestWorld& world, float rnd) {
    return world.tempFolder + QString::number(int(100000 * rnd) + 187);
}

}  // namespace

class Form1Loading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void movieFileLivesFromStartToClose() {
        TestWorld world;
        world.random.draws = {0.25f};
        player::Form1 f(world.services());
        f.Form_Load();
        QCOMPARE(f.swffile, nameFor(world, 0.25f));
        QFile movie(f.swffile);
        QVERIFY(movie.open(QIODevice::ReadOnly));
        QCOMPARE(movie.readAll(), *platform::LoadResData(101, QStringLiteral("CUSTOM")));
        QCOMPARE(
            QFileInfo(f.swffile).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
            QFile::Permissions());
        auto* player = dynamic_cast<runtime::PlayerControl*>(f.ctrl);
        QVERIFY(player && player->hasMovie());

        // Every load reads the movie from that file again.
        f.GotADrop(QStringLiteral("/tmp/clip.flv"));
        player = dynamic_cast<runtime::PlayerControl*>(f.ctrl);
        QVERIFY(player && player->hasMovie());

        int cancel = 0;
        f.Form_Unload(cancel);
        QVERIFY(!QFileInfo::exists(f.swffile));
    }

    void plantedLinkAndForeignFileAreNeverWritten() {
        TestWorld world;
        world.random.draws = {0.1f, 0.2f, 0.3f};
        const QString target = world.tempFolder + QStringLiteral("victim");
        QFile victim(target);
        QVERIFY(victim.open(QIODevice::WriteOnly));
        victim.write("keep me");
        victim.close();
        QVERIFY(QFile::link(target, nameFor(world, 0.1f)));
        QFile foreign(nameFor(world, 0.2f));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("someone else's");
        foreign.close();

        player::Form1 f(world.services());
        f.Form_Load();
        QCOMPARE(f.swffile, nameFor(world, 0.3f));
        QVERIFY(victim.open(QIODevice::ReadOnly));
        QCOMPARE(victim.readAll(), QByteArray("keep me"));
        QVERIFY(foreign.open(QIODevice::ReadOnly));
        QCOMPARE(foreign.readAll(), QByteArray("someone else's"));

        int cancel = 0;
        f.Form_Unload(cancel);
        QVERIFY(QFileInfo::exists(nameFor(world, 0.2f)));
        QVERIFY(QFileInfo(nameFor(world, 0.1f)).isSymLink());
    }

    void noFreeNameMeansNoMovieAndNothingDeleted() {
        TestWorld world;
        world.random.draws = {0.5f};  // always the same name, already taken
        QFile taken(nameFor(world, 0.5f));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.close();
        player::Form1 f(world.services());
        f.Form_Load();
        QVERIFY(f.swffile.isEmpty());
        QVERIFY(f.ctrl);  // start-up went on
        int cancel = 0;
        f.Form_Unload(cancel);
        QVERIFY(QFileInfo::exists(nameFor(world, 0.5f)));
    }

    void longTemporaryFolderPath() {
        TestWorld world;
        world.tempFolder += QString(150, QLatin1Char('d')) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(world.tempFolder));
        player::Form1 f(world.services());
        f.Form_Load();
        QVERIFY(f.swffile.startsWith(world.tempFolder));
        QVERIFY(QFileInfo::exists(f.swffile));
    }

    void pathReachesTheMovieExactly_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << QStringLiteral("/films/clip.flv");
        QTest::newRow("query characters") << QStringLiteral("/films/50%25 off & more #1.flv");
        QTest::newRow("plus and equals") << QStringLiteral("/films/a+b=c?.flv");
        QTest::newRow("non-Latin") << QStringLiteral("/фильмы/東京 ☃.flv");
        QTest::newRow("backslash in a name") << QStringLiteral("/films/a\\b.flv");
    }
    void pathReachesTheMovieExactly() {
        QFETCH(QString, path);
        TestWorld world;
        player::Form1 f(world.services());
        f.Form_Load();
        f.GotADrop(path);
        QCOMPARE(rootVariable(f.ctrl, QStringLiteral("file")), path);
        QCOMPARE(rootVariable(f.ctrl, QStringLiteral("autostart")), QStringLiteral("true"));
        QCOMPARE(f.currentflv, path);
        QCOMPARE(f.LabelTitre.Caption(), QStringLiteral("Quorvel : ") + path);
        QCOMPARE(f.form.Caption(), QStringLiteral("Quorvel : ") + path);
    }

    void loadReplacesThePlayerAndSizesTheWindow() {
        TestWorld world;
        player::Form1 f(world.services());
        f.Form_Load();
        f.form.setWidth(6000);
        f.form.setHeight(6000);
        QPointer<QWidget> first = f.ctrl->widget();
        f.GotADrop(QStringLiteral("/tmp/one.flv"));
        QVERIFY(first.isNull());  // the old player is gone
        QCOMPARE(f.form.findControl(QStringLiteral("flashplayer")), f.ctrl);
        QVERIFY(f.ctrl->Visible());
        QCOMPARE(f.ctrl->Top(), 375.0f);
        // Sized from the window before it shrank back to its small size.
        QCOMPARE(f.ctrl->Height(), 6000.0f - 735);
        QCOMPARE(f.ctrl->Width(), 6000.0f);
        QCOMPARE(f.form.Width(), 4800.0f);
        QCOMPARE(f.form.Height(), 3600.0f + 375 + 735);
        QVERIFY(f.fullscreen.Visible());
        QVERIFY(!f.dragpic.Visible());
        QVERIFY(f.resizepic.Visible());

        // The new player's notifications reach the window; the old text stays until then.
        f.status.setCaption(QStringLiteral("- Lecture"));
        f.GotADrop(QStringLiteral("/tmp/two.flv"));
        QCOMPARE(f.status.Caption(), QStringLiteral("- Lecture"));
        QVERIFY(f.ctrl->ObjectEvent);
    }
};

QTEST_MAIN(Form1Loading)
#include "tst_form1_loading.moc"
