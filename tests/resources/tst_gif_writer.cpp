// The GIF encoder and the palette reduction behind the donation picture and the icon, checked by
// reading their output back with Qt's own GIF and image code.
#include "resources/generator/GifWriter.h"
#include "resources/generator/IndexedImage.h"

#include <QRandomGenerator>
#include <QtTest>

using skingen::encodeGif;
using skingen::IndexedImage;
using skingen::quantize;

namespace {

IndexedImage randomIndexed(QSize size, int colours, quint32 seed) {
    QRandomGenerator random(seed);
    IndexedImage image;
    image.size = size;
    for (int i = 0; i < colours; ++i) image.palette.append(qRgb(i * 37 % 256, i * 91 % 256, i * 13 % 256));
    image.indices.resize(qsizetype(size.width()) * size.height());
    for (char& index : image.indices) index = char(random.bounded(colours));
    return image;
}

}  // namespace

class TestGifWriter : public QObject {
    Q_OBJECT

private slots:
    void roundTripsThroughQtReader_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("colours");
        QTest::newRow("one pixel") << QSize(1, 1) << 2;
        QTest::newRow("two colours, smallest code size") << QSize(17, 9) << 2;
        QTest::newRow("odd palette padded to a power of two") << QSize(40, 30) << 5;
        // Noise never repeats long strings, so the code table fills and restarts many times.
        QTest::newRow("noise past the 12-bit table") << QSize(300, 200) << 256;
        QTest::newRow("two-colour noise fills the table") << QSize(320, 320) << 2;
        QTest::newRow("64 colours") << QSize(100, 44) << 64;
    }
    void roundTripsThroughQtReader() {
        QFETCH(QSize, size);
        QFETCH(int, colours);
        const IndexedImage image = randomIndexed(size, colours, quint32(size.width() * 131 + colours));
        const QByteArray gif = encodeGif(image);
        QVERIFY(gif.startsWith("GIF89a"));
        QVERIFY(gif.endsWith(';'));
        const QImage decoded = QImage::fromData(gif, "GIF");
        QCOMPARE(decoded.size(), size);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb expected = image.palette[uchar(image.indices[y * size.width() + x])];
                if ((decoded.pixel(x, y) | 0xFF000000u) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
            }
        }
    }

    void transparentIndexReadsBackTransparent() {
        QImage source(8, 8, QImage::Format_ARGB32);
        source.fill(qRgb(200, 10, 10));
        source.setPixel(0, 0, qRgba(0, 0, 0, 0));
        source.setPixel(7, 7, qRgba(255, 255, 255, 20));  // mostly clear counts as transparent
        const IndexedImage indexed = quantize(source, 64);
        QVERIFY(indexed.transparentIndex >= 0);
        const QImage decoded = QImage::fromData(encodeGif(indexed), "GIF");
        QVERIFY(decoded.hasAlphaChannel());
        QCOMPARE(qAlpha(decoded.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(decoded.pixel(7, 7)), 0);
        QCOMPARE(decoded.pixel(3, 3), qRgb(200, 10, 10));
    }

    void refusesWhatItCannotEncode() {
        IndexedImage empty;
        QVERIFY(encodeGif(empty).isEmpty());

        IndexedImage outOfPalette = randomIndexed(QSize(4, 4), 3, 1);
        outOfPalette.indices[5] = char(3);
        QVERIFY(encodeGif(outOfPalette).isEmpty());

        IndexedImage shortPixels = randomIndexed(QSize(4, 4), 3, 1);
        shortPixels.indices.chop(1);
        QVERIFY(encodeGif(shortPixels).isEmpty());

        IndexedImage badTransparent = randomIndexed(QSize(4, 4), 3, 1);
        badTransparent.transparentIndex = 3;
        QVERIFY(encodeGif(badTransparent).isEmpty());
    }

    void quantizeKeepsFewColoursExactly() {
        QImage source(3, 1, QImage::Format_RGB32);
        source.setPixel(0, 0, qRgb(1, 2, 3));
        source.setPixel(1, 0, qRgb(250, 128, 0));
        source.setPixel(2, 0, qRgb(1, 2, 3));
        const QImage back = quantize(source, 4).toImage();
        QCOMPARE(back.colorCount(), 2);
        QCOMPARE(back.pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(back.pixel(1, 0), qRgb(250, 128, 0));
    }

    void quantizeStaysWithinBudgetAndNearTheSource() {
        // A full grey ramp and a transparent column: 256 greys into 15 entries plus transparency.
        QImage source(257, 4, QImage::Format_ARGB32);
        for (int x = 0; x < 256; ++x) {
            for (int y = 0; y < 4; ++y) source.setPixel(x, y, qRgb(x, x, x));
        }
        for (int y = 0; y < 4; ++y) source.setPixel(256, y, qRgba(0, 0, 0, 0));
        const IndexedImage indexed = quantize(source, 16);
        QCOMPARE(indexed.palette.size(), 16);
        QCOMPARE(indexed.palette[indexed.transparentIndex], qRgba(0, 0, 0, 0));
        int worst = 0;
        for (int x = 0; x < 256; ++x) {
            const QRgb got = indexed.palette[uchar(indexed.indices[x])];
            QVERIFY(qAlpha(got) == 255);
            worst = std::max(worst, std::abs(qGreen(got) - x));
        }
        // Halving splits leave at worst one box of 32 levels when 15 boxes share 256.
        QVERIFY2(worst <= 16, qPrintable(QString::number(worst)));
    }
};

QTEST_GUILESS_MAIN(TestGifWriter)
#include "tst_gif_writer.moc"
