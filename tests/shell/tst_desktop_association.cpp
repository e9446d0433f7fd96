#include "platform/desktop/DesktopEntry.h"
#include "platform/desktop/MimeAppsList.h"
#include "platform/desktop/XdgDesktopAssociation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace platform;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString execValue(const QByteArray& entry) {
    for (const QByteArray& line : entry.split('\n')) {
        if (line.startsWith("Exec=")) return QString::fromUtf8(line.mid(5));
    }
    return {};
}

// What a launcher makes of an Exec value: string escapes undone, the file put in for %f, %%
// turned back into %, then the words split as a POSIX shell splits them.
QStringList launchArguments(const QString& exec, const QString& file) {
    QString unescaped;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == u'\\' && i + 1 < exec.size()) {
            const QChar next = exec[++i];
            unescaped += next == u'n'   ? QChar(u'\n')
                         : next == u't' ? QChar(u'\t')
                         : next == u's' ? QChar(u' ')
                                        : next;
        } else {
            unescaped += exec[i];
        }
    }
    QString line;
    for (qsizetype i = 0; i < unescaped.size(); ++i) {
        if (unescaped[i] == u'%' && i + 1 < unescaped.size()) {
            const QChar code = unescaped[++i];
            line += code == u'f' ? QStringLiteral("'%1'").arg(file) : QString(code);
        } else {
            line += unescaped[i];
        }
    }
    QProcess sh;
    sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("printf '%s\\0' ") + line});
    sh.waitForFinished(20000);
    QStringList args = QString::fromUtf8(sh.readAllStandardOutput()).split(QChar(0));
    args.removeLast();
    return args;
}

}  // namespace

class TestDesktopAssociation : public QObject {
    Q_OBJECT

    QString m_root;
    QString m_data;
    QString m_config;

    XdgDesktopAssociation association(const QString& program) { return {m_data, m_config, program}; }

private slots:
    void init() {
        static int n = 0;
        m_root = qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath()) +
                 QStringLiteral("/desk%1").arg(++n);
        m_data = m_root + QStringLiteral("/data");
        m_config = m_root + QStringLiteral("/config");
    }

    void execQuotesEveryAwkwardPath_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("plain") << QStringLiteral("/usr/local/bin/quorvel");
        QTest::newRow("spaces") << QStringLiteral("/opt/Mes Programmes/Quorvel v1/quorvel");
        QTest::newRow("shell characters") << QStringLiteral("/opt/a\"b`c$HOME\\d/quorvel");
        QTest::newRow("percent") << QStringLiteral("/opt/100%f/quorvel");
        QTest::newRow("accents and quote") << QStringLiteral("/home/zoé/l'été/quorvel");
    }
    void execQuotesEveryAwkwardPath() {
        QFETCH(QString, program);
        const QString exec = execValue(desktop_entry::entryText(program));
        QCOMPARE(launchArguments(exec, QStringLiteral("/tmp/a b.flv")),
                 QStringList({program, QStringLiteral("/tmp/a b.flv")}));
    }

    // Launchers without a desktop environment of their own take a quoted program path for a
    // file name with quotes in it, so only a path that needs quoting is quoted.
    void execQuotesOnlyWhatNeedsIt_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/local/bin/quorvel"
                               << "/usr/local/bin/quorvel %f";
        QTest::newRow("percent") << "/opt/100%/quorvel"
                                 << "/opt/100%%/quorvel %f";
        QTest::newRow("space") << "/opt/a b/quorvel"
                               << "\"/opt/a b/quorvel\" %f";
        QTest::newRow("quote") << "/opt/l'été/quorvel"
                               << "\"/opt/l'été/quorvel\" %f";
        QTest::newRow("tilde") << "/opt/~q/quorvel"
                               << "\"/opt/~q/quorvel\" %f";
    }
    void execQuotesOnlyWhatNeedsIt() {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(execValue(desktop_entry::entryText(program)), exec);
    }

    void installMakesQuorvelTheDefaultForFlv() {
        // The scratch folders of the test run are the user's folders here, as xdg-mime sees them.
        m_data = qEnvironmentVariable("XDG_DATA_HOME");
        m_config = qEnvironmentVariable("XDG_CONFIG_HOME");
        const QString program = m_root + QStringLiteral("/Mes Programmes/quorvel");
        auto assoc = association(program);
        QString error;
        QVERIFY2(assoc.install(&error), qPrintable(error));
        QVERIFY(readFile(assoc.entryPath()).contains("MimeType=video/x-flv;"));
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
            QSKIP("xdg-mime is not installed");
        // xdg-mime's own reading of the XDG files, whatever desktop the tests happen to run under
        // and whatever the system offers for the type (an installed Quorvel among it).
        QProcess query;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), m_root + QStringLiteral("/system"));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), m_root + QStringLiteral("/system"));
        query.setProcessEnvironment(env);
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("video/x-flv")});
        QVERIFY(query.waitForFinished(20000));
        QCOMPARE(query.readAllStandardOutput().trimmed(), QByteArray(desktop_entry::kFileName));

        QVERIFY2(assoc.remove(&error), qPrintable(error));
        QVERIFY(!QFile::exists(assoc.entryPath()));
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("video/x-flv")});
        QVERIFY(query.waitForFinished(20000));
        QVERIFY(!query.readAllStandardOutput().contains("quorvel"));
    }

    void onlyItsOwnLineChanges() {
        const QByteArray before =
            "# mine\n[Added Associations]\nvideo/x-flv=vlc.desktop;\n\n[Default Applications]\r\n"
            "text/plain=gedit.desktop\r\nvideo/x-flv = "
            "vlc.desktop\r\nimage/png=eog.desktop\r\n\r\n[Other]\r\nk=v";
        auto assoc = association(QStringLiteral("/usr/bin/quorvel"));
        writeFile(assoc.mimeAppsPath(), before);
        QString error;
        QVERIFY2(assoc.install(&error), qPrintable(error));
        QByteArray expected = before;
        expected.replace("video/x-flv = vlc.desktop\r", "video/x-flv=org.quorvel.Quorvel.desktop\r");
        QCOMPARE(readFile(assoc.mimeAppsPath()), expected);
        // Unticking takes its line away and gives nothing back: vlc was the user's, not ours.
        QVERIFY2(assoc.remove(&error), qPrintable(error));
        expected.replace("video/x-flv=org.quorvel.Quorvel.desktop\r\n", "");
        QCOMPARE(readFile(assoc.mimeAppsPath()), expected);
    }

    // Ticking or unticking over an entry and a default already there: what an older version wrote
    // under its former entry name is taken over or back; what the user made stays.
    void entriesAlreadyThere_data() {
        QTest::addColumn<bool>("tick");
        QTest::addColumn<QString>("entryName");
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("listBefore");
        QTest::addColumn<QByteArray>("listAfter");
        QTest::addColumn<bool>("entryKept");
        const QByteArray handMade = "[Desktop Entry]\nType=Application\nName=Mine\nExec=mine %f\n";
        const QByteArray older =
            "[Desktop Entry]\nType=Application\nName=Quorvel\nExec=/opt/q/quorvel %f\n"
            "MimeType=video/x-flv;\nX-Quorvel-Association=true\n";
        const QString current = QLatin1String(desktop_entry::kFileName);
        QTest::newRow("unticked over a hand-made entry")
            << false << current << handMade
            << QByteArray("[Default Applications]\nvideo/x-flv=mpv.desktop;org.quorvel.Quorvel.desktop;\n")
            << QByteArray("[Default Applications]\nvideo/x-flv=mpv.desktop;\n") << true;
        QTest::newRow("unticked with another player the default")
            << false << current << handMade << QByteArray("[Default Applications]\nvideo/x-flv=mpv.desktop\n")
            << QByteArray("[Default Applications]\nvideo/x-flv=mpv.desktop\n") << true;
        QTest::newRow("unticked over an older version's association")
            << false << "quorvel.desktop" << older
            << QByteArray("[Default Applications]\nvideo/x-flv=quorvel.desktop\n")
            << QByteArray("[Default Applications]\n") << false;
        QTest::newRow("ticked over an older version's association")
            << true << "quorvel.desktop" << older
            << QByteArray("[Default Applications]\nvideo/x-flv=quorvel.desktop\n")
            << QByteArray("[Default Applications]\nvideo/x-flv=org.quorvel.Quorvel.desktop\n") << false;
        QTest::newRow("ticked beside a hand-made entry of the older name")
            << true << "quorvel.desktop" << handMade << QByteArray()
            << QByteArray("[Default Applications]\nvideo/x-flv=org.quorvel.Quorvel.desktop\n") << true;
    }
    void entriesAlreadyThere() {
        QFETCH(bool, tick);
        QFETCH(QString, entryName);
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, listBefore);
        QFETCH(QByteArray, listAfter);
        QFETCH(bool, entryKept);
        auto assoc = association(QStringLiteral("/usr/bin/quorvel"));
        const QString entryPath = m_data + QStringLiteral("/applications/") + entryName;
        writeFile(entryPath, entry);
        writeFile(assoc.mimeAppsPath(), listBefore);
        QString error;
        QVERIFY2(tick ? assoc.install(&error) : assoc.remove(&error), qPrintable(error));
        QCOMPARE(readFile(assoc.mimeAppsPath()), listAfter);
        QCOMPARE(QFile::exists(entryPath), entryKept);
        QCOMPARE(readFile(assoc.entryPath()).contains(desktop_entry::kMarkerLine), tick);
    }

    void sectionIsAddedOrExtended_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty") << QByteArray()
                               << QByteArray("[Default Applications]\nvideo/x-flv=quorvel.desktop\n");
        QTest::newRow("no section, no final newline")
            << QByteArray("[Added Associations]\na/b=x;")
            << QByteArray(
                   "[Added Associations]\na/b=x;\n\n[Default Applications]\nvideo/x-flv=quorvel.desktop\n");
        QTest::newRow("section then another")
            << QByteArray("[Default Applications]\na/b=x\n\n[Z]\n")
            << QByteArray("[Default Applications]\na/b=x\nvideo/x-flv=quorvel.desktop\n\n[Z]\n");
        QTest::newRow("section last, no final newline")
            << QByteArray("[Default Applications]\na/b=x")
            << QByteArray("[Default Applications]\na/b=x\nvideo/x-flv=quorvel.desktop");
        QTest::newRow("commented line is not ours")
            << QByteArray("[Default Applications]\n#video/x-flv=x\n")
            << QByteArray("[Default Applications]\n#video/x-flv=x\nvideo/x-flv=quorvel.desktop\n");
    }
    void sectionIsAddedOrExtended() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(mimeapps::withDefault(before, "video/x-flv", "quorvel.desktop"), after);
    }

    void symlinkedListIsEditedAtItsTarget() {
        auto assoc = association(QStringLiteral("/usr/bin/quorvel"));
        const QString target = m_root + QStringLiteral("/dotfiles/mimeapps.list");
        writeFile(target, "[Default Applications]\ntext/plain=gedit.desktop\n");
        QDir().mkpath(m_config);
        QVERIFY(QFile::link(target, assoc.mimeAppsPath()));
        QString error;
        QVERIFY2(assoc.install(&error), qPrintable(error));
        QVERIFY(QFileInfo(assoc.mimeAppsPath()).isSymLink());
        QCOMPARE(
            readFile(target),
            QByteArray("[Default "
                       "Applications]\ntext/plain=gedit.desktop\nvideo/x-flv=org.quorvel.Quorvel.desktop\n"));
        QVERIFY2(assoc.remove(&error), qPrintable(error));
        QVERIFY(QFileInfo(assoc.mimeAppsPath()).isSymLink());
        QCOMPARE(readFile(target), QByteArray("[Default Applications]\ntext/plain=gedit.desktop\n"));
    }

    void readOnlyListIsLeftUntouched() {
        auto assoc = association(QStringLiteral("/usr/bin/quorvel"));
        const QByteArray before = "[Default Applications]\nvideo/x-flv=vlc.desktop\n";
        writeFile(assoc.mimeAppsPath(), before);
        QFile::setPermissions(assoc.mimeAppsPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QString error;
        QVERIFY(!assoc.install(&error));
        QVERIFY(error.contains(QStringLiteral("read-only")));
        QCOMPARE(readFile(assoc.mimeAppsPath()), before);
        QVERIFY(!QFileInfo(assoc.mimeAppsPath()).permissions().testFlag(QFile::WriteOwner));
    }

    void rewritesKeepTheFilesPermissions() {
        auto assoc = association(QStringLiteral("/usr/bin/quorvel"));
        writeFile(assoc.mimeAppsPath(), "[Default Applications]\n");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner;
        QFile::setPermissions(assoc.mimeAppsPath(), mode);
        QString error;
        QVERIFY2(assoc.install(&error), qPrintable(error));
        QCOMPARE(QFileInfo(assoc.mimeAppsPath()).permissions() &
                     (QFile::ReadOther | QFile::WriteOwner | QFile::ReadOwner),
                 QFile::Permissions(mode));
    }
};

QTEST_GUILESS_MAIN(TestDesktopAssociation)
#include "tst_desktop_association.moc"
