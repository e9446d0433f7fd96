// The status line: the player's fscommand notifications turned into "- Lecture" / "- En pause".
#include "platform/services/SystemServices.h"
#include "player/Form1.h"
#include "runtime/component/MovieHost.h"
#include "runtime/moviefile/MovieFile.h"
#include "support/TestServices.h"

#include <QtTest>

using platform::forms::EventInfo;
using platform::forms::EventParameter;

namespace {

// Stands in for the player movie's code so a test can make the real control raise its events.
class NotifyingProgram : public runtime::MovieProgram {
public:
    NotifyingProgram(runtime::MovieHost& host, QList<runtime::MovieHost*>& running)
        : m_host(host), m_running(running) {
        m_running.append(&m_host);
    }
    ~NotifyingProgram() override { m_running.removeAll(&m_host); }

private:
    runtime::MovieHost& m_host;
    QList<runtime::MovieHost*>& m_running;
};

EventInfo controlEvent(const QString& name, const QVariantList& values) {
    EventInfo info{name, {}};
    for (qsizetype i = 0; i < values.size(); ++i)
        info.EventParameters.append(
            EventParameter{i == 0 ? QStringLiteral("command") : QStringLiteral("args"), values.at(i)});
    return info;
}

}  // namespace

class StatusLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_world = std::make_unique<testing::TestWorld>();
        const auto movie = runtime::decodeMovie(*platform::LoadResData(101, QStringLiteral("CUSTOM")));
        QVERIFY(movie);
        m_world->component.programs.insert(movie->program, [this](runtime::MovieHost& host) {
            return std::make_unique<NotifyingProgram>(host, m_running);
        });
        m_form = std::make_unique<player::Form1>(m_world->services());
        m_form->Form_Load();
    }
    void cleanup() {
        m_form.reset();
        m_world.reset();
        QVERIFY(m_running.isEmpty());
    }

    void emptyUntilTheFirstNotification() {
        QCOMPARE(m_form->status.Caption(), QString());
        QVERIFY(m_form->ctrl && m_form->ctrl->ObjectEvent);
        m_form->ctrl_FSCommand(controlEvent(QStringLiteral("OnReadyStateChange"), {4}));
        QCOMPARE(m_form->status.Caption(), QString());
    }

    void eventsAndCommands_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("parameters");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("expected");
        const QString playing = QStringLiteral("- Lecture");
        const QString paused = QStringLiteral("- En pause");
        const QString fs = QStringLiteral("FSCommand");
        QTest::newRow("play") << fs << QVariantList{QStringLiteral("play"), QString()} << paused << playing;
        QTest::newRow("pause") << fs << QVariantList{QStringLiteral("pause"), QString()} << playing << paused;
        QTest::newRow("play again") << fs << QVariantList{QStringLiteral("play")} << playing << playing;
        QTest::newRow("arguments ignored")
            << fs << QVariantList{QStringLiteral("pause"), QStringLiteral("play")} << playing << paused;
        QTest::newRow("capital") << fs << QVariantList{QStringLiteral("Play")} << paused << paused;
        QTest::newRow("all capitals") << fs << QVariantList{QStringLiteral("PAUSE")} << playing << playing;
        QTest::newRow("leading blank") << fs << QVariantList{QStringLiteral(" play")} << paused << paused;
        QTest::newRow("trailing blank") << fs << QVariantList{QStringLiteral("pause ")} << playing << playing;
        QTest::newRow("other command") << fs << QVariantList{QStringLiteral("stop")} << playing << playing;
        QTest::newRow("empty command") << fs << QVariantList{QString()} << paused << paused;
        QTest::newRow("no parameters") << fs << QVariantList{} << playing << playing;
        QTest::newRow("event name in lower case")
            << QStringLiteral("fscommand") << QVariantList{QStringLiteral("play")} << paused << paused;
        QTest::newRow("event name with a blank")
            << QStringLiteral("FSCommand ") << QVariantList{QStringLiteral("pause")} << playing << playing;
        QTest::newRow("other event") << QStringLiteral("OnProgress") << QVariantList{QStringLiteral("play")}
                                     << paused << paused;
    }
    void eventsAndCommands() {
        QFETCH(QString, name);
        QFETCH(QVariantList, parameters);
        QFETCH(QString, from);
        QFETCH(QString, expected);
        m_form->status.setCaption(from);
        m_form->ctrl_FSCommand(controlEvent(name, parameters));
        QCOMPARE(m_form->status.Caption(), expected);
        // The control's own event binding leads to the same handler.
        m_form->status.setCaption(from);
        m_form->ctrl->ObjectEvent(controlEvent(name, parameters));
        QCOMPARE(m_form->status.Caption(), expected);
    }

    void theRealControlsNotificationsArrive() {
        QTRY_COMPARE_WITH_TIMEOUT(m_running.size(), 1, 20000);
        m_running.constFirst()->fscommand(QStringLiteral("play"), QString());
        QCOMPARE(m_form->status.Caption(), QStringLiteral("- Lecture"));
        m_running.constFirst()->fscommand(QStringLiteral("pause"), QString());
        QCOMPARE(m_form->status.Caption(), QStringLiteral("- En pause"));
        m_running.constFirst()->fscommand(QStringLiteral("Play"), QString());
        QCOMPARE(m_form->status.Caption(), QStringLiteral("- En pause"));
    }

    void textKeptAcrossALoadUntilTheNewPlayerSpeaks() {
        m_form->GotADrop(QStringLiteral("/films/one.flv"));
        QTRY_COMPARE_WITH_TIMEOUT(m_running.size(), 1, 20000);
        runtime::MovieHost* first = m_running.constFirst();
        first->fscommand(QStringLiteral("pause"), QString());
        QCOMPARE(m_form->status.Caption(), QStringLiteral("- En pause"));

        m_form->GotADrop(QStringLiteral("/films/two.flv"));
        QVERIFY(m_form->ctrl->ObjectEvent);
        QVERIFY(!m_running.contains(first));  // the old player is gone, and with it its notifications
        QCOMPARE(m_form->status.Caption(), QStringLiteral("- En pause"));
        QTRY_COMPARE_WITH_TIMEOUT(m_running.size(), 1, 20000);
        QCOMPARE(m_form->status.Caption(), QStringLiteral("- En pause"));
        m_running.constFirst()->fscommand(QStringLiteral("play"), QString());
        QCOMPARE(m_form->status.Caption(), QStringLiteral("- Lecture"));
    }

private:
    std::unique_ptr<testing::TestWorld> m_world;
    std::unique_ptr<player::Form1> m_form;
    QList<runtime::MovieHost*> m_running;
};

QTEST_MAIN(StatusLine)
#include "tst_status_line.moc"
