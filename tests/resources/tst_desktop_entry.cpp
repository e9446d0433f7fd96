// The desktop entry as `cmake --install` writes it: it must start the program where that install
// put it, with the chosen file, and be registered for Flash video, or the desktop will not offer
// Quorvel for .flv files.
#include "platform/desktop/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

QString scratch() {
    return qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath());
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Runs a program to its end; its output when it fails.
QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(120000)) return program + QStringLiteral(" did not finish");
    const QString output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? QString() : output;
}

}  // namespace

class TestDesktopEntry : public QObject {
    Q_OBJECT

private slots:
    void installNamesTheInstalledProgram_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("exec");
        const QString plain = scratch() + QStringLiteral("/usr");
        const QString spaced = scratch() + QStringLiteral("/Mes Programmes");
        QTest::newRow("plain prefix") << plain << plain + QStringLiteral("/bin/quorvel %f");
        QTest::newRow("prefix with a space") << spaced << QStringLiteral("\"%1/bin/quorvel\" %f").arg(spaced);
    }
    void installNamesTheInstalledProgram() {
        QFETCH(QString, prefix);
        QFETCH(QString, exec);
        const QString error = run(
            QStringLiteral(QUORVEL_CMAKE),
            {QStringLiteral("--install"), QStringLiteral(QUORVEL_BUILD_DIR), QStringLiteral("--component"),
             QStringLiteral("desktop"), QStringLiteral("--prefix"), prefix});
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString applications = prefix + QStringLiteral("/share/applications");
        // Under the name the program's own association writes, so that one stands in for this one.
        const QString entry =
            applications + QLatin1Char('/') + QLatin1String(platform::desktop_entry::kFileName);

        QMap<QString, QString> keys;
        const QStringList lines = readFile(entry).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
        for (const QString& line : lines) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0) keys.insert(line.left(equals), line.mid(equals + 1));
        }
        QCOMPARE(keys.value("Exec"), exec);
        QCOMPARE(keys.value("Type"), QStringLiteral("Application"));
        QCOMPARE(keys.value("Name"), QStringLiteral("Quorvel"));
        QCOMPARE(keys.value("GenericName[fr]"), QStringLiteral("Lecteur vidéo Flash"));
        QCOMPARE(keys.value("Icon"), QStringLiteral("quorvel"));
        QCOMPARE(keys.value("Terminal"), QStringLiteral("false"));
        QVERIFY(keys.value("MimeType").split(QLatin1Char(';')).contains("video/x-flv"));
        const QStringList categories = keys.value("Categories").split(QLatin1Char(';'));
        for (const char* category : {"AudioVideo", "Video", "Player"})
            QVERIFY(categories.contains(QLatin1String(category)));

        // Registered for its type by the install itself.
        QVERIFY(readFile(applications + QStringLiteral("/mimeinfo.cache"))
                    .contains(QStringLiteral("video/x-flv=org.quorvel.Quorvel.desktop;")));
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        QVERIFY2(!validator.isEmpty(),
                 "desktop-file-validate is missing (scripts/install-deps.sh installs it)");
        const QString invalid = run(validator, {entry});
        QVERIFY2(invalid.isEmpty(), qPrintable(invalid));
    }
};

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "tst_desktop_entry.moc"
