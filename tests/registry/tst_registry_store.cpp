#include "platform/registry/RegistryStore.h"
#include "platform/registry/RegistryStoreFile.h"
#include "platform/registry/RegistryTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

#include <cstdio>

using namespace platform;

namespace {

RegistryTree sample() {
    RegistryTree tree;
    tree.createKey(QStringLiteral("HKEY_CLASSES_ROOT\\Quorvel.exe\\shell\\open\\command"));
    tree.key(QStringLiteral("hkey_classes_root\\quorvel.exe\\shell\\open\\command"))
        ->values.insert(QString(), RegistryValue{QString(), REG_SZ,
                                                 QStringLiteral("/home/zoé/Quorvel.exe %1").toUtf8() + '\0'});
    tree.createKey(QStringLiteral("HKEY_CURRENT_USER\\Données"));
    auto& values = tree.key(QStringLiteral("HKEY_CURRENT_USER\\Données"))->values;
    values.insert(QStringLiteral("compte"),
                  RegistryValue{QStringLiteral("Compte"), REG_DWORD, QByteArray("\1\0\0\0", 4)});
    values.insert(QStringLiteral("vide"), RegistryValue{QStringLiteral("Vide"), REG_BINARY, QByteArray()});
    return tree;
}

// A big tree whose every value carries the generation number, to tell whole writes apart.
RegistryTree generation(int n) {
    RegistryTree tree;
    const QString path = QStringLiteral("HKEY_CURRENT_USER\\Gen");
    tree.createKey(path);
    for (int i = 0; i < 800; ++i) {
        const QString name = QString::number(i);
        tree.key(path)->values.insert(name,
                                      RegistryValue{name, REG_BINARY, QByteArray(1024, char('a' + n % 26))});
    }
    return tree;
}

int writeForever(const QString& path) {
    RegistryStore store(path);
    for (int n = 0;; ++n) {
        if (!store.commit(generation(n), nullptr)) return 1;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}

QByteArray u32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray header(quint32 keys) {
    return QByteArray("QRVREG\x01\0", 8) + u32(keys);
}
QByteArray text(const QByteArray& s) {
    return u32(static_cast<quint32>(s.size())) + s;
}

}  // namespace

class TestRegistryStore : public QObject {
    Q_OBJECT

private slots:
    void roundTripKeepsNamesTypesAndBytes() {
        const QByteArray bytes = registry_store::encode(sample());
        QString why;
        const auto back = registry_store::decode(bytes, &why);
        QVERIFY2(back, qPrintable(why));
        QCOMPARE(registry_store::encode(*back), bytes);
        const RegistryKey* key = back->key(QStringLiteral("HKEY_CURRENT_USER\\DONNÉES"));
        QVERIFY(key);
        QCOMPARE(key->path, QStringLiteral("HKEY_CURRENT_USER\\Données"));
        QCOMPARE(key->values.value(QStringLiteral("compte")).type, REG_DWORD);
        QVERIFY(back->key(QStringLiteral("HKEY_CLASSES_ROOT\\Quorvel.exe\\shell")));
    }

    void namesReadBackByteForByte() {
        // A leading byte-order mark is part of the name, not an encoding hint to drop.
        const QByteArray bytes = header(1) +
                                 text(
                                     "\xEF\xBB\xBF"
                                     "A") +
                                 u32(0);
        const auto tree = registry_store::decode(bytes);
        QVERIFY(tree);
        QCOMPARE(registry_store::encode(*tree), bytes);
    }

    void everyTruncationAndExtraByteIsRefused() {
        const QByteArray bytes = registry_store::encode(sample());
        for (qsizetype n = 0; n < bytes.size(); ++n)
            QVERIFY2(!registry_store::decode(bytes.left(n)), qPrintable(QString::number(n)));
        QVERIFY(!registry_store::decode(bytes + '\0'));
    }

    void malformedStoresAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray key = text("HKEY_CURRENT_USER") + u32(0);
        QTest::newRow("signature") << QByteArray("QRVREX\x01\0", 8) + u32(0);
        QTest::newRow("version") << QByteArray("QRVREG\x02\0", 8) + u32(0);
        QTest::newRow("key count beyond the data") << header(0xFFFFFFFF) + key;
        QTest::newRow("value count beyond the data") << header(1) + text("A") + u32(1000000);
        QTest::newRow("empty path") << header(1) + text("") + u32(0);
        QTest::newRow("empty component") << header(1) + text("A\\\\B") + u32(0);
        QTest::newRow("parent missing") << header(1) + text("A\\B") + u32(0);
        QTest::newRow("key twice, other case") << header(2) + text("Abc") + u32(0) + text("aBC") + u32(0);
        QTest::newRow("bad UTF-8") << header(1) + text("\xC3(") + u32(0);
        QTest::newRow("NUL in a name") << header(1) + text(QByteArray("A\0B", 3)) + u32(0);
        QTest::newRow("value twice") << header(1) + text("A") + u32(2) + text("v") + u32(1) + text("x") +
                                            text("V") + u32(1) + text("y");
        QTest::newRow("data longer than the cap")
            << header(1) + text("A") + u32(1) + text("v") + u32(3) + u32(registry_store::kMaxDataBytes + 1);
        QTest::newRow("keys out of order") << header(2) + text("B") + u32(0) + text("a") + u32(0);
        QTest::newRow("values out of order") << header(1) + text("A") + u32(2) + text("w") + u32(1) +
                                                    text("x") + text("v") + u32(1) + text("y");
        QTest::newRow("component too long") << header(1) + text(QByteArray(256, 'k')) + u32(0);
    }
    void malformedStoresAreRefused() {
        QFETCH(QByteArray, bytes);
        QString why;
        QVERIFY(!registry_store::decode(bytes, &why));
        QVERIFY(!why.isEmpty());
    }

    void killedWriterLeavesAWholeStore() {
        const QString path =
            qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath()) + "/crash/registry.qrv";
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-forever"), path});
        QVERIFY(writer.waitForStarted());
        // Let a few whole generations land, then kill it while it is busy with the next.
        QByteArray progress;
        const auto generationsWritten = [&] {
            progress += writer.readAllStandardOutput();
            return progress.count('\n');
        };
        QTRY_VERIFY_WITH_TIMEOUT(generationsWritten() >= 3, 60000);
        writer.kill();
        QVERIFY(writer.waitForFinished(20000));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString why;
        const auto tree = registry_store::decode(file.readAll(), &why);
        QVERIFY2(tree, qPrintable(why));
        const RegistryKey* key = tree->key(QStringLiteral("HKEY_CURRENT_USER\\Gen"));
        QVERIFY(key);
        QCOMPARE(key->values.size(), 800);
        const char mark = key->values.first().data.at(0);
        for (const RegistryValue& value : key->values) QCOMPARE(value.data, QByteArray(1024, mark));
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--write-forever") == 0)
        return writeForever(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestRegistryStore test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_registry_store.moc"
