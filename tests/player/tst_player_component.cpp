// The player component: movie files it accepts or refuses, root variables, FSCommand events.
#include "platform/forms/Form.h"
#include "platform/forms/PlayerProgId.h"
#include "runtime/component/MovieLoader.h"
#include "runtime/component/PlayerControl.h"
#include "runtime/component/Stage.h"
#include "runtime/moviefile/MovieFile.h"
#include "support/TestServices.h"

#include <QFile>
#include <QtTest>

using namespace runtime;
using platform::forms::kPlayerProgId;

namespace {

// A movie program that reports what it saw and sends one fscommand.
class ProbeProgram : public MovieProgram {
public:
    explicit ProbeProgram(MovieHost& host) { host.fscommand(QStringLiteral("play"), QString()); }
};

QByteArray validMovie() {
    Movie m;
    m.stageWidth = 320;
    m.stageHeight = 260;
    m.frameRate = 20;
    m.program = QStringLiteral("Probe");
    m.assets.append({QStringLiteral("a.svg"), QByteArray("<svg/>")});
    return encodeMovie(m);
}

QString writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = QDir::tempPath() + QLatin1Char('/') + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

}  // namespace

class PlayerComponent : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_world = std::make_unique<testing::TestWorld>();
        m_world->component.programs.insert(QStringLiteral("Probe"),
                                           [](MovieHost& h) { return std::make_unique<ProbeProgram>(h); });
        m_form = std::make_unique<platform::forms::Form>(QStringLiteral("host"),
                                                         platform::forms::FormKind::Borderless,
                                                         m_world->screen, &m_world->components);
    }
    void cleanup() {
        m_form.reset();
        m_world.reset();
    }

    void movieFormatRoundTripAndStrictChecks() {
        const QByteArray good = validMovie();
        QVERIFY(decodeMovie(good).has_value());
        QCOMPARE(decodeMovie(good)->assets.size(), 1);
        QByteArray wrongSignature = good;
        wrongSignature[0] = 'X';
        QByteArray longerDeclared = good;
        longerDeclared[4] = char(longerDeclared[4] + 1);
        QByteArray huge = good;
        huge[7] = char(0x7F);
        QByteArray corrupted = good;
        corrupted[good.size() / 2] = char(corrupted[good.size() / 2] ^ 0x55);
        for (const QByteArray& bad :
             {good.left(7), good.left(good.size() - 3), wrongSignature, longerDeclared, huge, corrupted,
              good + QByteArray("junk"), QByteArray()}) {
            QString why;
            QVERIFY(!decodeMovie(bad, &why).has_value());
            QVERIFY(!why.isEmpty());
        }
    }

    void brokenMovieFilesShowNothing() {
        const QByteArray good = validMovie();
        for (const QString& path : {writeFile(QStringLiteral("truncated"), good.left(20)),
                                    writeFile(QStringLiteral("empty"), QByteArray()),
                                    QDir::tempPath() + QStringLiteral("/missing"), QDir::tempPath()}) {
            auto& ctrl = m_form->AddControl(kPlayerProgId, QStringLiteral("flashplayer"));
            int events = 0;
            ctrl.ObjectEvent = [&](const platform::forms::EventInfo&) { ++events; };
            ctrl.invoke(QStringLiteral("LoadMovie"), {0, path + QStringLiteral("?file=x.flv")});
            QCoreApplication::processEvents();
            auto& player = dynamic_cast<PlayerControl&>(ctrl);
            QVERIFY(!player.hasMovie());
            QVERIFY(!player.isRunning());
            QCOMPARE(events, 0);
            m_form->RemoveControl(QStringLiteral("flashplayer"));
        }
    }

    void rootVariablesAndFsCommand() {
        const QString path = writeFile(QStringLiteral("movie"), validMovie());
        auto& ctrl = m_form->AddControl(kPlayerProgId, QStringLiteral("flashplayer"));
        QStringList commands;
        ctrl.ObjectEvent = [&](const platform::forms::EventInfo& e) {
            QCOMPARE(e.Name, QStringLiteral("FSCommand"));
            commands.append(e.EventParameters.at(0).Value.toString());
        };
        ctrl.setProperty(QStringLiteral("FlashVars"), QStringLiteral("autostart=true&volume=40"));
        ctrl.invoke(QStringLiteral("LoadMovie"),
                    {0, path + QStringLiteral("?file=%2Fa%20b%26c.flv&x=%zz#frag")});
        auto& player = dynamic_cast<PlayerControl&>(ctrl);
        const platform::QueryPairs expected{{QStringLiteral("autostart"), QStringLiteral("true")},
                                            {QStringLiteral("volume"), QStringLiteral("40")},
                                            {QStringLiteral("file"), QStringLiteral("/a b&c.flv")},
                                            {QStringLiteral("x"), QStringLiteral("%zz")}};
        QCOMPARE(player.rootVariables(), expected);
        // The program starts once the caller's event is over.
        QVERIFY(!player.isRunning());
        QTRY_VERIFY(player.isRunning());
        QCOMPARE(commands, QStringList{QStringLiteral("play")});
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ctrl.setProperty(QStringLiteral("Nope"), 1));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ctrl.invoke(QStringLiteral("LoadMovie"), {1, path}));
    }

    void stageFollowsTheControlUnscaled() {
        const QString path = writeFile(QStringLiteral("movie"), validMovie());
        auto& ctrl = m_form->AddControl(kPlayerProgId, QStringLiteral("flashplayer"));
        ctrl.invoke(QStringLiteral("LoadMovie"), {0, path});
        auto& player = dynamic_cast<PlayerControl&>(ctrl);
        QSignalSpy resized(player.stageObject(), &Stage::resized);
        ctrl.setWidth(400 * 15);
        ctrl.setHeight(300 * 15);
        QCOMPARE(player.stageObject()->stageWidth(), 400);
        QCOMPARE(player.stageObject()->stageHeight(), 300);
        QVERIFY(resized.count() >= 1);
    }

private:
    std::unique_ptr<testing::TestWorld> m_world;
    std::unique_ptr<platform::forms::Form> m_form;
};

QTEST_MAIN(PlayerComponent)
#include "tst_player_component.moc"
