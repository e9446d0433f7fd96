#include "platform/registry/Registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace platform;

namespace {

QString scratch() {
    return qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath());
}

QByteArray query(Registry& reg, HKEY key, const QString& name, DWORD* type = nullptr,
                 LONG* status = nullptr) {
    DWORD size = 0;
    LONG s = reg.RegQueryValueExA(key, name, type, nullptr, &size);
    QByteArray buffer(static_cast<qsizetype>(size), '\0');
    if (s == ERROR_SUCCESS) s = reg.RegQueryValueExA(key, name, type, buffer.data(), &size);
    if (status) *status = s;
    return s == ERROR_SUCCESS ? buffer.left(size) : QByteArray();
}

}  // namespace

class TestRegistry : public QObject {
    Q_OBJECT

    QString m_store;

private slots:
    void init() {
        static int n = 0;
        m_store = scratch() + QStringLiteral("/reg%1/registry.qrv").arg(++n);
    }

    void createSetAndQueryKeepTheirValuesAcrossInstances() {
        {
            Registry reg(m_store, {});
            HKEY key = 0;
            QCOMPARE(reg.RegCreateKeyA(HKEY_CLASSES_ROOT, QStringLiteral("Quorvel.exe"), &key),
                     ERROR_SUCCESS);
            QCOMPARE(reg.RegSetValueA(key, QStringLiteral("shell\\open\\command"), REG_SZ,
                                      QStringLiteral("/opt/Vidéos été/Quorvel.exe %1")),
                     ERROR_SUCCESS);
            QCOMPARE(reg.RegCloseKey(key), ERROR_SUCCESS);
            QCOMPARE(reg.RegCloseKey(key), ERROR_INVALID_HANDLE);
        }
        Registry reg(m_store, {});
        HKEY key = 0;
        // Paths are case-insensitive; the parents were created along the way.
        QCOMPARE(reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral("quorvel.EXE\\Shell"), &key),
                 ERROR_SUCCESS);
        reg.RegCloseKey(key);
        QCOMPARE(
            reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral("QUORVEL.exe\\shell\\OPEN\\command"), &key),
            ERROR_SUCCESS);
        DWORD type = 0, size = 0;
        QCOMPARE(reg.RegQueryValueExA(key, QString(), &type, nullptr, &size), ERROR_SUCCESS);
        QCOMPARE(type, REG_SZ);
        const QByteArray expected = QStringLiteral("/opt/Vidéos été/Quorvel.exe %1").toUtf8() + '\0';
        QCOMPARE(size, DWORD(expected.size()));
        QCOMPARE(query(reg, key, QString()), expected);
        reg.RegCloseKey(key);
    }

    void queryReportsSizeTypeAndShortBuffers() {
        Registry reg(m_store, {});
        HKEY key = 0;
        QCOMPARE(reg.RegCreateKeyA(HKEY_CURRENT_USER, QStringLiteral("Test"), &key), ERROR_SUCCESS);
        const QByteArray exact(1024, 'x');
        QCOMPARE(reg.RegSetValueExA(key, QStringLiteral("Exact"), REG_SZ, exact), ERROR_SUCCESS);
        QCOMPARE(reg.RegSetValueExA(key, QStringLiteral("Long"), REG_SZ, QByteArray(1025, 'y')),
                 ERROR_SUCCESS);
        QCOMPARE(reg.RegSetValueExA(key, QStringLiteral("Count"), REG_DWORD, QByteArray("\x2a\0\0\0", 4)),
                 ERROR_SUCCESS);

        std::array<char, 1024> buffer{};
        DWORD size = buffer.size(), type = 0;
        QCOMPARE(reg.RegQueryValueExA(key, QStringLiteral("exact"), &type, buffer.data(), &size),
                 ERROR_SUCCESS);
        QCOMPARE(size, DWORD(1024));
        QCOMPARE(QByteArray(buffer.data(), 1024), exact);

        buffer.fill('\0');
        size = buffer.size();
        QCOMPARE(reg.RegQueryValueExA(key, QStringLiteral("Long"), &type, buffer.data(), &size),
                 ERROR_MORE_DATA);
        QCOMPARE(size, DWORD(1025));
        QCOMPARE(type, REG_SZ);

        QCOMPARE(reg.RegQueryValueExA(key, QStringLiteral("Count"), nullptr, buffer.data(), nullptr),
                 ERROR_INVALID_PARAMETER);
        QCOMPARE(query(reg, key, QStringLiteral("Count"), &type), QByteArray("\x2a\0\0\0", 4));
        QCOMPARE(type, REG_DWORD);
        reg.RegCloseKey(key);
    }

    void missingThingsAreNotFound() {
        Registry reg(m_store, {});
        HKEY key = 0;
        QCOMPARE(reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_FILE_NOT_FOUND);
        QCOMPARE(key, HKEY(0));
        QCOMPARE(reg.RegCreateKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_SUCCESS);
        LONG status = 0;
        query(reg, key, QString(), nullptr, &status);
        QCOMPARE(status, ERROR_FILE_NOT_FOUND);  // the default value is unset until written
        QCOMPARE(reg.RegDeleteValueA(key, QStringLiteral("nothing")), ERROR_FILE_NOT_FOUND);
        QCOMPARE(reg.RegSetValueExA(key, QString(), REG_SZ, QByteArray("Quorvel.exe", 12)), ERROR_SUCCESS);
        QCOMPARE(reg.RegDeleteValueA(key, QString()), ERROR_SUCCESS);
        query(reg, key, QString(), nullptr, &status);
        QCOMPARE(status, ERROR_FILE_NOT_FOUND);
        reg.RegCloseKey(key);
        QCOMPARE(reg.RegQueryValueExA(0x4242, QString(), nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
        QCOMPARE(reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral("\\.flv"), &key), ERROR_BAD_PATHNAME);
        QCOMPARE(reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral("a\\\\b"), &key), ERROR_BAD_PATHNAME);
    }

    void readOnlyHandlesRefuseWrites() {
        Registry reg(m_store, {});
        HKEY key = 0;
        QCOMPARE(reg.RegCreateKeyA(HKEY_CURRENT_USER, QStringLiteral("Ro"), &key), ERROR_SUCCESS);
        reg.RegCloseKey(key);
        QCOMPARE(reg.RegOpenKeyExA(HKEY_CURRENT_USER, QStringLiteral("ro"), 0, KEY_READ, &key),
                 ERROR_SUCCESS);
        QCOMPARE(reg.RegSetValueExA(key, QStringLiteral("v"), REG_SZ, "x"), ERROR_ACCESS_DENIED);
        QCOMPARE(reg.RegSetValueA(key, QStringLiteral("child"), REG_SZ, QStringLiteral("x")),
                 ERROR_ACCESS_DENIED);
        QCOMPARE(reg.RegDeleteValueA(key, QString()), ERROR_ACCESS_DENIED);
        reg.RegCloseKey(key);
        // A handle opened only to write cannot read.
        QCOMPARE(reg.RegOpenKeyExA(HKEY_CURRENT_USER, QStringLiteral("Ro"), 0, KEY_SET_VALUE, &key),
                 ERROR_SUCCESS);
        QCOMPARE(reg.RegSetValueExA(key, QStringLiteral("v"), REG_SZ, "x"), ERROR_SUCCESS);
        QCOMPARE(reg.RegQueryValueExA(key, QStringLiteral("v"), nullptr, nullptr, nullptr),
                 ERROR_ACCESS_DENIED);
        reg.RegCloseKey(key);
    }

    void machineKeysAreReadOnlyAndNameTheSystemInfoProgram() {
        QTemporaryDir folder(scratch() + QStringLiteral("/sys info XXXXXX"));
        const QString program = folder.filePath(QStringLiteral("hardinfo"));
        Registry reg(m_store, [&] { return program; });
        HKEY key = 0;
        // Write access to a machine key is refused outright.
        QCOMPARE(reg.RegOpenKeyExA(HKEY_LOCAL_MACHINE, QLatin1String(kMsInfoKey), 0, 0x2003F, &key),
                 ERROR_ACCESS_DENIED);
        QCOMPARE(reg.RegCreateKeyA(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Quorvel"), &key),
                 ERROR_ACCESS_DENIED);
        QCOMPARE(reg.RegSetValueExA(HKEY_LOCAL_MACHINE, QStringLiteral("x"), REG_SZ, "x"),
                 ERROR_ACCESS_DENIED);

        QCOMPARE(
            reg.RegOpenKeyExA(HKEY_LOCAL_MACHINE, QStringLiteral("software\\microsoft\\shared tools\\msinfo"),
                              0, KEY_READ, &key),
            ERROR_SUCCESS);
        DWORD type = 0;
        QCOMPARE(query(reg, key, QStringLiteral("path"), &type), program.toUtf8() + '\0');
        QCOMPARE(type, REG_SZ);
        reg.RegCloseKey(key);
        // The folder is given only where a Windows-named tool lies.
        QCOMPARE(reg.RegOpenKeyExA(HKEY_LOCAL_MACHINE, QLatin1String(kMsInfoLocationKey), 0, KEY_READ, &key),
                 ERROR_FILE_NOT_FOUND);
        QFile tool(folder.filePath(QLatin1String(kMsInfoFileName)));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.close();
        QCOMPARE(reg.RegOpenKeyExA(HKEY_LOCAL_MACHINE, QLatin1String(kMsInfoLocationKey), 0, KEY_QUERY_VALUE,
                                   &key),
                 ERROR_SUCCESS);
        QCOMPARE(query(reg, key, QLatin1String(kMsInfoLocationValue)), folder.path().toUtf8() + '\0');
        reg.RegCloseKey(key);
        QVERIFY(!QFile::exists(m_store));  // reading machine keys writes nothing
    }

    void noSystemInfoProgramMeansNoKeys() {
        Registry reg(m_store, [] { return QString(); });
        HKEY key = 0;
        QCOMPARE(reg.RegOpenKeyExA(HKEY_LOCAL_MACHINE, QLatin1String(kMsInfoKey), 0, KEY_READ, &key),
                 ERROR_FILE_NOT_FOUND);
        QCOMPARE(reg.RegOpenKeyExA(HKEY_LOCAL_MACHINE, QLatin1String(kMsInfoLocationKey), 0, KEY_READ, &key),
                 ERROR_FILE_NOT_FOUND);
    }

    void refusedWriteChangesNothing() {
        {
            Registry reg(m_store, {});
            QCOMPARE(
                reg.RegSetValueA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), REG_SZ, QStringLiteral("Old")),
                ERROR_SUCCESS);
        }
        QFile original(m_store);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        original.close();
        Registry reg(m_store, {});
        HKEY key = 0;
        QCOMPARE(reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_SUCCESS);
        // Put a plain file where the store's folder was: no write can succeed there, even as root.
        const QString folder = QFileInfo(m_store).absolutePath();
        QVERIFY(QDir().rename(folder, folder + QStringLiteral(".away")));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const LONG status =
            reg.RegSetValueA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), REG_SZ, QStringLiteral("New"));
        const LONG created = reg.RegCreateKeyA(HKEY_CLASSES_ROOT, QStringLiteral("Other"), &key);
        QVERIFY(blocker.remove());
        QVERIFY(QDir().rename(folder + QStringLiteral(".away"), folder));
        QCOMPARE(status, ERROR_ACCESS_DENIED);
        QCOMPARE(created, ERROR_ACCESS_DENIED);
        QVERIFY(!reg.lastWriteError().isEmpty());
        QCOMPARE(reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral("Other"), &key), ERROR_FILE_NOT_FOUND);
        QCOMPARE(reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_SUCCESS);
        QCOMPARE(query(reg, key, QString()), QByteArray("Old", 4));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), before);
    }

    void writesTheStoreCouldNotReadAreRefused() {
        Registry reg(m_store, {});
        QCOMPARE(reg.RegSetValueA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), REG_SZ,
                                  QStringLiteral("Quorvel.exe")),
                 ERROR_SUCCESS);
        // Valid components, but a whole path beyond what the store reads back.
        QStringList parts(200, QString(200, QLatin1Char('k')));
        HKEY key = 0;
        QCOMPARE(reg.RegCreateKeyA(HKEY_CLASSES_ROOT, parts.join(QLatin1Char('\\')), &key),
                 ERROR_ACCESS_DENIED);
        Registry again(m_store, {});
        QCOMPARE(again.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_SUCCESS);
        QCOMPARE(query(again, key, QString()), QByteArray("Quorvel.exe", 12));
    }

    void twoInstancesKeepEachOthersWrites() {
        Registry first(m_store, {});
        Registry second(m_store, {});
        HKEY key = 0;
        QCOMPARE(second.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_FILE_NOT_FOUND);
        QCOMPARE(first.RegSetValueA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), REG_SZ, QStringLiteral("A")),
                 ERROR_SUCCESS);
        QCOMPARE(second.RegSetValueA(HKEY_CLASSES_ROOT, QStringLiteral(".avi"), REG_SZ, QStringLiteral("B")),
                 ERROR_SUCCESS);
        Registry third(m_store, {});
        QCOMPARE(third.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_SUCCESS);
        QCOMPARE(query(third, key, QString()), QByteArray("A", 2));
        QCOMPARE(third.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".avi"), &key), ERROR_SUCCESS);
        QCOMPARE(query(third, key, QString()), QByteArray("B", 2));
    }

    void damagedStoreReadsEmptyAndStaysUntilTheNextWrite() {
        QDir().mkpath(QFileInfo(m_store).absolutePath());
        QFile file(m_store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("QRVREG\x01\0garbage", 15);
        file.close();
        Registry reg(m_store, {});
        HKEY key = 0;
        QCOMPARE(reg.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_FILE_NOT_FOUND);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("QRVREG\x01\0garbage", 15));
        file.close();
        QCOMPARE(reg.RegSetValueA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), REG_SZ,
                                  QStringLiteral("Quorvel.exe")),
                 ERROR_SUCCESS);
        Registry again(m_store, {});
        QCOMPARE(again.RegOpenKeyA(HKEY_CLASSES_ROOT, QStringLiteral(".flv"), &key), ERROR_SUCCESS);
        QCOMPARE(query(again, key, QString()), QByteArray("Quorvel.exe", 12));
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
