// Round trip: any picture the input describes is reduced to a palette, written as GIF and read
// back with Qt's reader; every pixel must come back as the palette says.
#include "resources/generator/GifWriter.h"
#include "resources/generator/IndexedImage.h"

#include <QCoreApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Qt finds its image format plugins through the application object; it lives for the run.
    static std::unique_ptr<QCoreApplication> app = std::make_unique<QCoreApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int width = 1 + data[0] % 64;
    const int height = 1 + data[1] % 64;
    const int maxColours = 2 + data[2] % 255;
    const bool alpha = data[3] & 1;
    data += 4;
    size -= 4;

    // Pixels cycle through the remaining bytes, so short inputs still paint the whole picture.
    QImage source(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t at = size_t(y * width + x) * 4;
            auto byte = [&](size_t k) { return size == 0 ? 0 : data[(at + k) % size]; };
            source.setPixel(x, y, qRgba(byte(0), byte(1), byte(2), alpha ? byte(3) : 255));
        }
    }
    const skingen::IndexedImage indexed = skingen::quantize(source, maxColours);
    check(indexed.palette.size() <= maxColours);
    const QByteArray gif = skingen::encodeGif(indexed);
    check(!gif.isEmpty());
    const QImage decoded = QImage::fromData(gif, "GIF");
    check(decoded.size() == source.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = uchar(indexed.indices[y * width + x]);
            const QRgb got = decoded.pixel(x, y);
            if (index == indexed.transparentIndex)
                check(qAlpha(got) == 0);
            else
                check(got == (indexed.palette[index] | 0xFF000000u));
        }
    }
    return 0;
}
