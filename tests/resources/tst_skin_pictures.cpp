// The pictures the program embeds, read back through the resource system as the windows load them.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtTest>

namespace {

constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kPaleGreen = 0xFFE9F4E9;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFF808080;

QImage load(const QString& name) {
    QImage image(QStringLiteral(":/") + name);
    if (image.isNull()) qWarning("cannot load %s", qPrintable(name));
    return image;
}

// The rectangle holding every pixel unlike the ground.
QRect inked(const QImage& image, QRgb ground) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != ground) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The sizes the icon was drawn in for the desktop's icon theme, from the files embedded.
QList<int> hicolorSizes() {
    QList<int> sizes;
    for (const QString& name : QDir(QStringLiteral(":/ICON/hicolor")).entryList())
        sizes.append(QFileInfo(name).baseName().toInt());
    if (sizes.isEmpty()) qWarning("no icon for the desktop's icon theme");
    return sizes;
}

bool isGreenish(QRgb rgb) {
    return qAlpha(rgb) == 255 && qGreen(rgb) > qRed(rgb) + 40 && qGreen(rgb) > qBlue(rgb) + 40;
}

bool transparentAt(const QImage& image, int x, int y) {
    return x < 0 || y < 0 || x >= image.width() || y >= image.height() || qAlpha(image.pixel(x, y)) == 0;
}

// True when no pixel of the given colour touches a transparent one: the outline closes around it.
bool enclosed(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != colour) continue;
            if (transparentAt(image, x - 1, y) || transparentAt(image, x + 1, y) ||
                transparentAt(image, x, y - 1) || transparentAt(image, x, y + 1))
                return false;
        }
    }
    return true;
}

}  // namespace

class TestSkinPictures : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasItsSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("title strip") << "skin/titlestrip.bmp" << QSize(7000, 23);
        QTest::newRow("Réduire") << "skin/reduire.bmp" << QSize(50, 20);
        QTest::newRow("Plein écran") << "skin/pleinecran.bmp" << QSize(70, 20);
        QTest::newRow("Ouvrir") << "skin/ouvrir.bmp" << QSize(50, 20);
        QTest::newRow("about") << "skin/about.bmp" << QSize(20, 20);
        QTest::newRow("quit") << "skin/quit.bmp" << QSize(20, 20);
        QTest::newRow("grip") << "skin/grip.png" << QSize(32, 32);
        QTest::newRow("hand") << "skin/hand.png" << QSize(32, 32);
        QTest::newRow("donate") << "skin/donate.gif" << QSize(100, 44);
        QTest::newRow("icon") << "ICON/30001.png" << QSize(32, 32);
        for (int size : hicolorSizes())
            QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(size)))
                << QStringLiteral("ICON/hicolor/%1.png").arg(size) << QSize(size, size);
    }
    void everyPictureHasItsSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(load(name).size(), size);
    }

    void bitmapsAreTwentyFourBit_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"titlestrip", "reduire", "pleinecran", "ouvrir", "about", "quit"})
            QTest::newRow(name) << QStringLiteral(":/skin/%1.bmp").arg(QLatin1String(name));
    }
    void bitmapsAreTwentyFourBit() {
        QFETCH(QString, name);
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(30);
        QVERIFY(header.startsWith("BM"));
        QCOMPARE(int(uchar(header[28])) | (int(uchar(header[29])) << 8), 24);
    }

    void titleStripIsGreenWithItsDash() {
        const QImage strip = load(QStringLiteral("skin/titlestrip.bmp"));
        for (int y : {10, 11}) {
            QCOMPARE(strip.pixel(0, y), kGreen);
            QCOMPARE(strip.pixel(1, y), kPaleGreen);
            QCOMPARE(strip.pixel(2, y), kWhite);
            QCOMPARE(strip.pixel(3, y), kWhite);
            QCOMPARE(strip.pixel(4, y), kWhite);
            QCOMPARE(strip.pixel(5, y), kPaleGreen);
            QCOMPARE(strip.pixel(6, y), kGreen);
        }
        QCOMPARE(inked(strip, kGreen), QRect(1, 10, 5, 2));
    }

    void wordsAreWhiteOnGreenAndCentred_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Réduire") << "skin/reduire.bmp";
        QTest::newRow("Plein écran") << "skin/pleinecran.bmp";
        QTest::newRow("Ouvrir") << "skin/ouvrir.bmp";
    }
    void wordsAreWhiteOnGreenAndCentred() {
        QFETCH(QString, name);
        const QImage word = load(name);
        int white = 0;
        int softened = 0;
        for (int y = 0; y < word.height(); ++y) {
            for (int x = 0; x < word.width(); ++x) {
                const QRgb rgb = word.pixel(x, y);
                // Every pixel lies between the green ground and white: red and blue rise together.
                QVERIFY2(qRed(rgb) == qBlue(rgb) && qGreen(rgb) >= 128 && qGreen(rgb) >= qRed(rgb),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                white += rgb == kWhite;
                softened += rgb != kWhite && rgb != kGreen;
            }
        }
        QVERIFY(white > 20);
        QVERIFY(softened > 10);
        const QRect box = inked(word, kGreen);
        QVERIFY(box.left() >= 1 && box.top() >= 1);
        QVERIFY(box.right() <= word.width() - 2 && box.bottom() <= word.height() - 2);
        QVERIFY(std::abs(box.left() - (word.width() - 1 - box.right())) <= 2);
        QVERIFY(std::abs(box.top() - (word.height() - 1 - box.bottom())) <= 2);
        QVERIFY(box.width() >= word.width() * 2 / 3);  // sized to fit, not lost in the middle
    }

    void glyphButtonsAreRaisedSquares_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("about") << "skin/about.bmp";
        QTest::newRow("quit") << "skin/quit.bmp";
    }
    void glyphButtonsAreRaisedSquares() {
        QFETCH(QString, name);
        const QImage button = load(name);
        for (QPoint corner : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 19), QPoint(19, 19)})
            QCOMPARE(button.pixel(corner), kBlack);
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(button.pixel(i, 0), kBlack);
            QCOMPARE(button.pixel(0, i), kBlack);
        }
        QCOMPARE(button.pixel(1, 1), kWhite);
        QCOMPARE(button.pixel(10, 1), kWhite);
        QCOMPARE(button.pixel(1, 10), kWhite);
        QCOMPARE(button.pixel(18, 18), kGrey);
        QCOMPARE(button.pixel(10, 18), kGrey);
        QCOMPARE(button.pixel(18, 10), kGrey);
        QCOMPARE(button.pixel(2, 2), kGreen);
        QCOMPARE(button.pixel(17, 17), kGreen);
        const QRect glyph = inked(button.copy(2, 2, 16, 16), kGreen);
        QVERIFY(glyph.width() >= 6 && glyph.height() >= 8);
        QVERIFY(glyph.left() >= 1 && glyph.top() >= 1);  // the face shows all round the glyph
        QVERIFY(glyph.right() <= 14 && glyph.bottom() <= 14);
    }

    void gripIsAnOutlinedMonochromeArrow() {
        const QImage grip = load(QStringLiteral("skin/grip.png"));
        QVERIFY(grip.hasAlphaChannel());
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb rgb = grip.pixel(x, y);
                QVERIFY(qAlpha(rgb) == 0 || rgb == kBlack || rgb == kWhite);
            }
        }
        QVERIFY(transparentAt(grip, 0, 0) && transparentAt(grip, 31, 0) && transparentAt(grip, 0, 31));
        QCOMPARE(grip.pixel(16, 16), kBlack);
        QCOMPARE(grip.pixel(8, 8), kBlack);  // along the diagonal
        QCOMPARE(grip.pixel(24, 24), kBlack);
        QVERIFY(transparentAt(grip, 24, 8));  // but not across it
        QVERIFY(enclosed(grip, kBlack));
        QCOMPARE(grip.text(QStringLiteral("HotspotX")), QStringLiteral("16"));
        QCOMPARE(grip.text(QStringLiteral("HotspotY")), QStringLiteral("16"));
    }

    void handPointsWithItsIndexFinger() {
        const QImage hand = load(QStringLiteral("skin/hand.png"));
        QVERIFY(hand.colorCount() > 0 && hand.colorCount() <= 16);
        QCOMPARE(hand.text(QStringLiteral("HotspotX")), QStringLiteral("12"));
        QCOMPARE(hand.text(QStringLiteral("HotspotY")), QStringLiteral("1"));
        // The hot spot is the topmost inked pixel: the finger's tip.
        QCOMPARE(hand.pixel(12, 1), kBlack);
        for (int y = 0; y <= 1; ++y) {
            for (int x = 0; x < 32; ++x)
                QVERIFY(y == 1 ? (x >= 11 && x <= 13) || transparentAt(hand, x, y)
                               : transparentAt(hand, x, y));
        }
        QCOMPARE(hand.pixel(12, 3), kWhite);
        QVERIFY(transparentAt(hand, 0, 0) && transparentAt(hand, 31, 31));
        QVERIFY(enclosed(hand, kWhite));
        int blue = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb rgb = hand.pixel(x, y);
                blue += qAlpha(rgb) == 255 && qBlue(rgb) > 150 && qRed(rgb) < 100 && qGreen(rgb) < 120;
            }
        }
        QVERIFY(blue >= 10);
    }

    void donationPictureIsASmallTransparentGif() {
        QFile file(QStringLiteral(":/skin/donate.gif"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray gif = file.readAll();
        QVERIFY(gif.startsWith("GIF89a"));
        const uchar packed = uchar(gif[10]);
        QVERIFY(packed & 0x80);                                    // a global colour table
        QVERIFY((2 << (packed & 0x07)) <= 64);                     // of at most 64 entries
        QVERIFY(gif.contains(QByteArray("\x21\xF9\x04\x01", 4)));  // transparency declared

        QImage image;
        QVERIFY(image.loadFromData(gif, "GIF"));
        QCOMPARE(image.size(), QSize(100, 44));
        QVERIFY(image.colorCount() <= 64);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);  // outside the rounded corner
        QCOMPARE(qAlpha(image.pixel(99, 43)), 0);
        const QRgb face = image.pixel(3, 22);
        QVERIFY(qAlpha(face) == 255 && qGray(face) > 180 && qGray(face) < 250);
        QVERIFY(qGray(image.pixel(50, 0)) < 110);  // the thin dark border
        int black = 0;
        int coloured = 0;
        for (int y = 0; y < 44; ++y) {
            for (int x = 0; x < 100; ++x) {
                const QRgb rgb = image.pixel(x, y);
                if (qAlpha(rgb) == 255 && qGray(rgb) < 40 && y > 22) ++black;
                const int spread = std::max({qRed(rgb), qGreen(rgb), qBlue(rgb)}) -
                                   std::min({qRed(rgb), qGreen(rgb), qBlue(rgb)});
                if (qAlpha(rgb) == 255 && spread > 80 && y < 22) ++coloured;
            }
        }
        QVERIFY(black > 60);      // the words below
        QVERIFY(coloured > 300);  // the cards above
    }

    void iconIsAGreenDisc_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("30001") << "ICON/30001.png";
        for (int size : hicolorSizes())
            QTest::newRow(qPrintable(QString::number(size)))
                << QStringLiteral("ICON/hicolor/%1.png").arg(size);
    }
    void iconIsAGreenDisc() {
        QFETCH(QString, name);
        const QImage icon = load(name);
        const int n = icon.width();
        for (QPoint corner : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1)})
            QVERIFY(transparentAt(icon, corner.x(), corner.y()));
        const int in = n / 6;
        QVERIFY(isGreenish(icon.pixel(n / 2, in)));
        QVERIFY(isGreenish(icon.pixel(n / 2, n - 1 - in)));
        // Off the middle band, where the lettering runs nearly edge to edge at the larger sizes.
        QVERIFY(isGreenish(icon.pixel(n * 3 / 10, n / 5)));
        QVERIFY(isGreenish(icon.pixel(n * 7 / 10, n * 4 / 5)));
        int white = 0;
        for (int x = 0; x < n; ++x)
            white += qGray(icon.pixel(x, n / 2)) > 220 && qAlpha(icon.pixel(x, n / 2)) == 255;
        QVERIFY(white >= n / 16);  // the lettering crosses the middle row
    }

    void programIconHasAtMost256Colours() {
        QImageReader reader(QStringLiteral(":/ICON/30001.png"));
        const QImage icon = reader.read();
        QCOMPARE(icon.format(), QImage::Format_Indexed8);
        QVERIFY(icon.colorCount() <= 256);
    }
};

QTEST_MAIN(TestSkinPictures)
#include "tst_skin_pictures.moc"
