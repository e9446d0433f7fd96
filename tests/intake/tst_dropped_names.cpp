// Dropped paths handed to the program: exact names, and links for names Qt cannot carry.
#include "platform/forms/DroppedFiles.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool makeFile(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_EXCL, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// Device and inode, so "the same file" is checked without going through any name.
QPair<dev_t, ino_t> identity(const QByteArray& path) {
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) return {0, 0};
    return {st.st_dev, st.st_ino};
}

}  // namespace

class DroppedNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filesComeFromTheUriListOnly() {
        QMimeData both;
        both.setData(QStringLiteral("text/uri-list"), "file:///a.flv\r\nhttp://x/b.flv\r\nfile:///c.flv\r\n");
        both.setText(QStringLiteral("/d.flv"));
        QCOMPARE(platform::forms::droppedFiles(both), (QList<QByteArray>{"/a.flv", "/c.flv"}));
        QMimeData textOnly;
        textOnly.setText(QStringLiteral("file:///e.flv"));
        QVERIFY(platform::forms::droppedFiles(textOnly).isEmpty());
        QMimeData urls;
        urls.setUrls({QUrl::fromLocalFile(QStringLiteral("/f g.flv"))});
        QCOMPARE(platform::forms::droppedFiles(urls), QList<QByteArray>{"/f g.flv"});
    }

    void namesQtCarriesArePassedAsTheyAre() {
        platform::forms::DroppedFileNames names;
        const QString longName = QLatin1Char('/') + QString(600, QLatin1Char('n')) + QStringLiteral(".flv");
        for (const QString& path :
             {QStringLiteral("/tmp/фильм 東京 ☃ é.flv"), longName, QStringLiteral("/missing/x")}) {
            QString error;
            QCOMPARE(names.pathFor(QFile::encodeName(path), &error), path);
        }
    }

    void otherNamesReachTheSameFileThroughAPrivateLink() {
        QTemporaryDir dir;
        const QByteArray base = QFile::encodeName(dir.path());
        const QList<QByteArray> originals{base + "/clip-\xff\xfe.flv", base + "/\xe9t\xe9.flv",
                                          base + "/sub/clip-\xff\xfe.flv",
                                          base + '/' + QByteArray(250, '\xff') + ".flv"};
        QVERIFY(::mkdir((base + "/sub").constData(), 0700) == 0);
        platform::forms::DroppedFileNames names;
        QStringList links;
        for (const QByteArray& original : originals) {
            QVERIFY(makeFile(original));
            QString error;
            const QString link = names.pathFor(original, &error);
            QVERIFY2(!link.isEmpty(), qPrintable(error));
            QCOMPARE(QFile::decodeName(QFile::encodeName(link)), link);
            QCOMPARE(identity(QFile::encodeName(link)), identity(original));
            QVERIFY(link.endsWith(QStringLiteral(".flv")));  // the player still knows what it is
            QVERIFY(!links.contains(link));
            links.append(link);
            // Nobody else can reach into the folder that holds the links.
            const QFileInfo holder(QFileInfo(link).absolutePath() + QStringLiteral("/.."));
            QCOMPARE(holder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                             QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
                     QFile::Permissions());
        }
        QCOMPARE(QFileInfo(links.at(0)).fileName(), QStringLiteral("clip-\uFFFD\uFFFD.flv"));
    }

    void aFolderLinkGoesAwayWithoutItsContents() {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + "/films-\xff";
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        QVERIFY(makeFile(folder + "/inside.flv"));
        QString link;
        {
            platform::forms::DroppedFileNames names;
            QString error;
            link = names.pathFor(folder + '/', &error);
            QVERIFY2(!link.isEmpty(), qPrintable(error));
            QCOMPARE(identity(QFile::encodeName(link)), identity(folder));
            QVERIFY(QFileInfo::exists(link + QStringLiteral("/inside.flv")));
        }
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(identity(folder + "/inside.flv").second != 0);
    }
};

QTEST_MAIN(DroppedNames)
#include "tst_dropped_names.moc"
