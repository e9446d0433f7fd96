// The desktop entry and AppStream metadata as `cmake --install` writes them: the entry must start
// the program where that install put it, with the chosen file, and be registered for Flash video,
// or the desktop will not offer Quorvel for .flv files; software centres find it by its ID.
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

        // The software centres' description of the same application, under the same ID.
        const QString id = QLatin1String(platform::desktop_entry::kDesktopId);
        const QString metainfo = prefix + QStringLiteral("/share/metainfo/%1.metainfo.xml").arg(id);
        const QString component = readFile(metainfo);
        QVERIFY(component.contains(QStringLiteral("<id>%1</id>").arg(id)));
        QVERIFY(component.contains(QStringLiteral("<launchable type=\"desktop-id\">%1</launchable>")
                                       .arg(QLatin1String(platform::desktop_entry::kFileName))));
        const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        QVERIFY2(!appstream.isEmpty(), "appstreamcli is missing (scripts/install-deps.sh installs it)");
        const QString refused = run(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                QStringLiteral("--strict"), metainfo});
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
    }
};

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "tst_desktop_entry.moc"
