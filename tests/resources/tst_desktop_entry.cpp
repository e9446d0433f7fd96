// The desktop entry as configured for installation: it must start the installed program with the
// chosen file and claim Flash video, or the desktop will not offer Quorvel for .flv files.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class TestDesktopEntry : public QObject {
    Q_OBJECT

private:
    QMap<QString, QString> m_keys;
    QStringList m_lines;

private slots:
    void initTestCase() {
        QFile file(QStringLiteral(QUORVEL_DESKTOP_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        m_lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : m_lines) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0) m_keys.insert(line.left(equals), line.mid(equals + 1));
        }
    }

    void namesTheProgramAndWhatItOpens() {
        QCOMPARE(m_lines.value(0), QStringLiteral("[Desktop Entry]"));
        QCOMPARE(m_keys.value("Type"), QStringLiteral("Application"));
        QCOMPARE(m_keys.value("Name"), QStringLiteral("Quorvel"));
        QCOMPARE(m_keys.value("GenericName[fr]"), QStringLiteral("Lecteur vidéo Flash"));
        QVERIFY(!m_keys.value("Comment[fr]").isEmpty());
        QCOMPARE(m_keys.value("Icon"), QStringLiteral("quorvel"));
        QCOMPARE(m_keys.value("Terminal"), QStringLiteral("false"));
        QVERIFY(m_keys.value("MimeType").split(QLatin1Char(';')).contains("video/x-flv"));
        const QStringList categories = m_keys.value("Categories").split(QLatin1Char(';'));
        for (const char* category : {"AudioVideo", "Video", "Player"})
            QVERIFY(categories.contains(QLatin1String(category)));
    }

    void startsTheInstalledProgramWithOneFile() {
        // Quoted, so an install prefix with spaces still names one program.
        const QString expected = QStringLiteral("\"%1\" %f").arg(QStringLiteral(QUORVEL_INSTALLED_BINARY));
        QCOMPARE(m_keys.value("Exec"), expected);
    }

    void passesTheDesktopValidator() {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty()) QSKIP("desktop-file-validate is not installed");
        QProcess process;
        process.start(validator, {QStringLiteral(QUORVEL_DESKTOP_FILE)});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardOutput().constData());
    }
};

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "tst_desktop_entry.moc"
