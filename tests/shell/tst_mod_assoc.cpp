#include "platform/desktop/DesktopAssociation.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/ScreenMetrics.h"
#include "platform/services/SettingsStore.h"
#include "platform/services/SystemServices.h"
#include "shell/AssociationCheckBox.h"
#include "shell/ModAssoc.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QtTest>

using namespace platform;
using shell::ModAssoc;

namespace {

QString scratch() {
    return qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath());
}

// Stands in for the desktop files; the handler's calls are what these tests look at.
class RecordingDesktop : public DesktopAssociation {
public:
    bool install(QString*) override { return ++installs, true; }
    bool remove(QString*) override { return ++removals, true; }
    int installs = 0;
    int removals = 0;
};

QString defaultValue(ModAssoc& assoc, const QString& key) {
    return assoc.GetStringValue(HKEY_CLASSES_ROOT, key, QString(), QStringLiteral("<absent>"));
}

}  // namespace

class TestModAssoc : public QObject {
    Q_OBJECT

    QString m_store;

private slots:
    void init() {
        static int n = 0;
        m_store = scratch() + QStringLiteral("/assoc%1/registry.qrv").arg(++n);
    }

    void associateWritesTheThreeValues_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("executable");
        QTest::newRow("dot") << "/opt/quorvel"
                             << ".flv"
                             << "/opt/quorvel/Quorvel.exe";
        QTest::newRow("no dot") << "/opt/quorvel"
                                << "flv"
                                << "/opt/quorvel/Quorvel.exe";
        QTest::newRow("spaces") << "/home/zoé/Mes Programmes/Quorvel v1"
                                << ".flv"
                                << "/home/zoé/Mes Programmes/Quorvel v1/Quorvel.exe";
        QTest::newRow("root") << "/"
                              << ".flv"
                              << "/Quorvel.exe";
    }
    void associateWritesTheThreeValues() {
        QFETCH(QString, folder);
        QFETCH(QString, extension);
        QFETCH(QString, executable);
        const QString path = platform::AddBackslash(folder) + QLatin1String(shell::kProgramFileName);
        QCOMPARE(path, executable);
        Registry registry(m_store, {});
        ModAssoc assoc(registry);
        QVERIFY(assoc.AssociateExtension(path, extension));
        QCOMPARE(defaultValue(assoc, QStringLiteral(".flv")), QStringLiteral("Quorvel.exe"));
        // No quotes around the path or %1, no icon index.
        QCOMPARE(defaultValue(assoc, QStringLiteral("Quorvel.exe\\shell\\open\\command")),
                 executable + " %1");
        QCOMPARE(defaultValue(assoc, QStringLiteral("Quorvel.exe\\DefaultIcon")), executable);
        QCOMPARE(defaultValue(assoc, QStringLiteral("flv")), QStringLiteral("<absent>"));
    }

    void getFileName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("backslashes") << "C:\\Program Files\\Quorvel\\Quorvel.exe"
                                     << "Quorvel.exe";
        QTest::newRow("slashes") << "/usr/local/bin/quorvel"
                                 << "quorvel";
        QTest::newRow("mixed, last wins") << "/a\\b/c"
                                          << "c";
        QTest::newRow("no separator, trimmed") << "  Quorvel.exe  "
                                               << "Quorvel.exe";
        QTest::newRow("tabs are kept") << "\tx "
                                       << "\tx";
        QTest::newRow("one final NUL") << QString("/a/b.exe") + QChar(0) << "b.exe";
        QTest::newRow("NUL before spaces") << QString("/a/b.exe") + QChar(0) + "  "
                                           << "b.exe";
        QTest::newRow("folder") << "/a/b/"
                                << "";
    }
    void getFileName() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(ModAssoc::GetFileName(path), name);
    }

    void getStringValueReadsOnlyStrings() {
        Registry registry(m_store, {});
        ModAssoc assoc(registry);
        HKEY key = 0;
        QCOMPARE(registry.RegCreateKeyA(HKEY_CLASSES_ROOT, QStringLiteral("Test"), &key), ERROR_SUCCESS);
        registry.RegSetValueExA(key, QString(), REG_SZ, QByteArray("défaut", 8) + '\0');
        registry.RegSetValueExA(key, QStringLiteral("NoNul"), REG_SZ, "abc");
        registry.RegSetValueExA(key, QStringLiteral("TwoParts"), REG_SZ, QByteArray("one\0two\0", 8));
        registry.RegSetValueExA(key, QStringLiteral("Expand"), REG_EXPAND_SZ, QByteArray("%HOME%\0", 7));
        registry.RegSetValueExA(key, QStringLiteral("Number"), REG_DWORD, QByteArray("\1\0\0\0", 4));
        registry.RegCloseKey(key);
        const QString def = QStringLiteral("def");
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "test", QString(), def),
                 QString::fromUtf8("défaut"));
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "Test", "nonul", def), QStringLiteral("abc"));
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "Test", "TwoParts", def), QStringLiteral("one"));
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "Test", "Expand", def), def);
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "Test", "Number", def), def);
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "Test", "Missing", def), def);
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "NoSuchKey", QString(), def), def);

        assoc.DeleteValue(HKEY_CLASSES_ROOT, "Test", "nonul");
        assoc.DeleteValue(HKEY_CLASSES_ROOT, "Test", "nonul");
        assoc.DeleteValue(HKEY_CLASSES_ROOT, "NoSuchKey", "x");
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "Test", "NoNul", def), def);
        assoc.DeleteValue(HKEY_CLASSES_ROOT, "Test", QString());
        QCOMPARE(assoc.GetStringValue(HKEY_CLASSES_ROOT, "Test", QString(), def), def);
    }

    void removeTakesBackOnlyWhatStillNamesTheProgram() {
        Registry registry(m_store, {});
        ModAssoc assoc(registry);
        const QString exe = QStringLiteral("/opt/q/Quorvel.exe");
        QVERIFY(assoc.AssociateExtension(exe, ".flv"));
        // Another program has since taken .flv over; its claim stays.
        registry.RegSetValueA(HKEY_CLASSES_ROOT, ".flv", REG_SZ, QStringLiteral("Other.exe"));
        registry.RegSetValueA(HKEY_CLASSES_ROOT, ".flv\\Keep", REG_SZ, QStringLiteral("Quorvel.exe"));
        assoc.RemoveAssociation(exe, "flv");
        QCOMPARE(defaultValue(assoc, ".flv"), QStringLiteral("Other.exe"));
        QCOMPARE(defaultValue(assoc, ".flv\\Keep"), QStringLiteral("Quorvel.exe"));
        QCOMPARE(defaultValue(assoc, "Quorvel.exe\\shell\\open\\command"), QStringLiteral("<absent>"));
        QCOMPARE(defaultValue(assoc, "Quorvel.exe\\DefaultIcon"), QStringLiteral("<absent>"));
        registry.RegSetValueA(HKEY_CLASSES_ROOT, ".flv", REG_SZ, QStringLiteral("Quorvel.exe"));
        assoc.RemoveAssociation(exe, ".flv");
        QCOMPARE(defaultValue(assoc, ".flv"), QStringLiteral("<absent>"));
    }

    void checkBoxStoresAndAssociates() {
        forms::FixedScreenMetrics screen(1024, 768);
        forms::Form form(QStringLiteral("Form1"), forms::FormKind::Borderless, screen);
        auto& box = form.add<forms::CheckBox>(QStringLiteral("Check1"));
        IniSettingsStore settings;
        Registry registry(m_store, {});
        RecordingDesktop desktop;
        shell::AssociationCheckBox handler(box, settings, registry, desktop,
                                           QStringLiteral("/opt/Mes Vidéos"));
        box.Click = [&] { handler.Check1_Click(); };
        ModAssoc assoc(registry);

        box.setValue(1);
        QCOMPARE(settings.GetSetting("Quorvel", "Settings", "AssociateFLV", "?"), QStringLiteral("1"));
        QCOMPARE(defaultValue(assoc, "Quorvel.exe\\shell\\open\\command"),
                 QStringLiteral("/opt/Mes Vidéos/Quorvel.exe %1"));
        QCOMPARE(desktop.installs, 1);

        box.setValue(2);
        QCOMPARE(settings.GetSetting("Quorvel", "Settings", "AssociateFLV", "?"), QStringLiteral("2"));
        QCOMPARE(desktop.installs + desktop.removals, 1);
        QCOMPARE(defaultValue(assoc, ".flv"), QStringLiteral("Quorvel.exe"));

        box.setValue(0);
        QCOMPARE(settings.GetSetting("Quorvel", "Settings", "AssociateFLV", "?"), QStringLiteral("0"));
        QCOMPARE(defaultValue(assoc, ".flv"), QStringLiteral("<absent>"));
        QCOMPARE(desktop.removals, 1);
    }

    void refusingStoreLeavesTheBoxTickedSilently() {
        // A plain file where the store's folder should be: every registry write is refused.
        const QString folder = QFileInfo(m_store).absolutePath();
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        forms::FixedScreenMetrics screen(1024, 768);
        forms::Form form(QStringLiteral("Form1"), forms::FormKind::Borderless, screen);
        auto& box = form.add<forms::CheckBox>(QStringLiteral("Check1"));
        IniSettingsStore settings;
        Registry registry(m_store, {});
        RecordingDesktop desktop;
        shell::AssociationCheckBox handler(box, settings, registry, desktop, QStringLiteral("/opt/q"));
        box.Click = [&] { handler.Check1_Click(); };
        ModAssoc assoc(registry);
        QVERIFY(!assoc.AssociateExtension(handler.executablePath(), ".flv"));

        box.setValue(1);
        QCOMPARE(box.Value(), 1);
        QCOMPARE(settings.GetSetting("Quorvel", "Settings", "AssociateFLV", "?"), QStringLiteral("1"));
        QCOMPARE(defaultValue(assoc, ".flv"), QStringLiteral("<absent>"));
        QCOMPARE(desktop.installs, 1);  // the desktop side does not depend on the registry's
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<QMessageBox*>(w));
    }
};

QTEST_MAIN(TestModAssoc)
#include "tst_mod_assoc.moc"
