// The session ending Quorvel (SIGTERM at logout, SIGHUP, Ctrl+C) must shut it down as Quit does:
// the temporary movie file removed and the setting saved, not left behind by a default death.
#include "platform/services/TerminationSignals.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <csignal>

class TestTermination : public QObject {
    Q_OBJECT

private:
    static QStringList movieFiles(const QString& folder) {
        // The movie is written under a bare number.
        return QDir(folder).entryList(QDir::Files).filter(QRegularExpression(QStringLiteral("^\\d+$")));
    }

    static bool defaultAction(int signal) {
        struct sigaction current = {};
        sigaction(signal, nullptr, &current);
        return current.sa_handler == SIG_DFL;
    }

private Q_SLOTS:
    void theProgramEndsAsQuitDoesOnEachSignal_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void theProgramEndsAsQuitDoesOnEachSignal() {
        QFETCH(int, signal);
        QTemporaryDir profile;
        QVERIFY(profile.isValid());
        const QString temp = profile.filePath(QStringLiteral("tmp"));
        const QString config = profile.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(temp) && QDir().mkpath(config));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), temp);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("HOME"), profile.path());

        QProcess quorvel;
        quorvel.setProcessEnvironment(env);
        quorvel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        quorvel.start(QStringLiteral(QUORVEL_PROGRAM), {});
        QVERIFY(quorvel.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(movieFiles(temp).size(), 1, 30000);

        ::kill(pid_t(quorvel.processId()), signal);
        QVERIFY(quorvel.waitForFinished(30000));
        QCOMPARE(quorvel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quorvel.exitCode(), 0);
        QVERIFY(movieFiles(temp).isEmpty());
        QVERIFY2(QFile::exists(config + QStringLiteral("/Quorvel/Quorvel.ini")), "the setting was not saved");
    }

    void aRequestIsHandedOverOnceAndTheNextIsNotCaught() {
        int requests = 0;
        {
            platform::TerminationSignals caught([&] { ++requests; });
            QVERIFY(!defaultAction(SIGTERM));
            ::raise(SIGTERM);
            QTRY_COMPARE(requests, 1);
            QVERIFY(defaultAction(SIGTERM) && defaultAction(SIGHUP) && defaultAction(SIGINT));
        }
        {
            platform::TerminationSignals caught([&] { ++requests; });
            ::raise(SIGHUP);
            ::raise(SIGINT);
            QTRY_COMPARE(requests, 2);
            QTest::qWait(50);
            QCOMPARE(requests, 2);
        }
        // Gone, it leaves the signals as it found them.
        QVERIFY(defaultAction(SIGTERM) && defaultAction(SIGHUP) && defaultAction(SIGINT));
    }
};

QTEST_GUILESS_MAIN(TestTermination)
#include "tst_termination.moc"
