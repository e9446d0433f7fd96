// Reading the text/uri-list a file manager sends with a drag.
#include "platform/forms/UriList.h"

#include <QtTest>

using Files = QList<QByteArray>;
Q_DECLARE_METATYPE(Files)

class UriList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void localFiles_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<Files>("files");
        QTest::newRow("one") << QByteArray("file:///tmp/a.flv\r\n") << Files{"/tmp/a.flv"};
        QTest::newRow("no final line end") << QByteArray("file:///tmp/a.flv") << Files{"/tmp/a.flv"};
        QTest::newRow("order kept, CRLF and LF")
            << QByteArray("file:///b.flv\r\nfile:///a.flv\nfile:///c.flv\r\n")
            << Files{"/b.flv", "/a.flv", "/c.flv"};
        QTest::newRow("comments and blank lines")
            << QByteArray("# dragged from the desktop\r\n\r\n   \r\nfile:///x.flv\r\n#file:///y.flv\r\n")
            << Files{"/x.flv"};
        QTest::newRow("other schemes") << QByteArray(
                                              "http://example.org/a.flv\r\nsmb://srv/share/b.flv\r\n"
                                              "trash:///c.flv\r\nfile:///d.flv\r\n")
                                       << Files{"/d.flv"};
        QTest::newRow("scheme in any case")
            << QByteArray("FILE:///A.flv\r\nFile:///B.flv\r\n") << Files{"/A.flv", "/B.flv"};
        QTest::newRow("localhost") << QByteArray("file://localhost/a.flv\r\nfile://LocalHost/b.flv\r\n")
                                   << Files{"/a.flv", "/b.flv"};
        QTest::newRow("another host")
            << QByteArray("file://server/a.flv\r\nfile://localhost.example/b.flv\r\n") << Files{};
        QTest::newRow("no authority") << QByteArray("file:/home/me/a.flv") << Files{"/home/me/a.flv"};
        QTest::newRow("relative or empty")
            << QByteArray("file:a.flv\r\nfile://\r\nfile:\r\nfile://localhost\r\n") << Files{};
        QTest::newRow("surrounding blanks") << QByteArray("  file:///a.flv \t\r\n") << Files{"/a.flv"};
        QTest::newRow("escapes to bytes") << QByteArray("file:///my%20films/%C3%A9t%c3%a9%2Fx.flv")
                                          << Files{"/my films/\xc3\xa9t\xc3\xa9/x.flv"};
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("file:///clip-%FF%FE.flv") << Files{"/clip-\xff\xfe.flv"};
        QTest::newRow("unescaped UTF-8 kept") << QByteArray("file:///\xd1\x84.flv") << Files{"/\xd1\x84.flv"};
        QTest::newRow("escaped percent") << QByteArray("file:///50%25.flv") << Files{"/50%.flv"};
        QTest::newRow("bad escapes skip the entry")
            << QByteArray("file:///a%.flv\r\nfile:///b%G1.flv\r\nfile:///c%2\r\nfile:///d%\r\nfile:///ok.flv")
            << Files{"/ok.flv"};
        QTest::newRow("NUL skips the entry")
            << QByteArrayLiteral("file:///a%00.flv\r\nfile:///b\0c.flv\r\nfile:///ok.flv")
            << Files{"/ok.flv"};
        QTest::newRow("query or fragment skips the entry")
            << QByteArray("file:///a.flv?x=1\r\nfile:///b.flv#t\r\nfile:///c%3F%23.flv") << Files{"/c?#.flv"};
        QTest::newRow("nothing") << QByteArray() << Files{};
    }
    void localFiles() {
        QFETCH(QByteArray, list);
        QFETCH(Files, files);
        QCOMPARE(platform::forms::localFilesOfUriList(list), files);
    }

    void longPathsAreNotCut() {
        const QByteArray path = "/" + QByteArray(2000, 'a') + ".flv";
        QCOMPARE(platform::forms::localFilesOfUriList("file://" + path), Files{path});
    }
};

QTEST_MAIN(UriList)
#include "tst_uri_list.moc"
