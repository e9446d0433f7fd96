#include "resources/generator/GifWriter.h"

#include <QHash>

namespace skingen {
namespace {

constexpr int kMaxCode = 4095;  // GIF codes are at most 12 bits

void putShort(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first and cuts them into data sub-blocks.
class CodeWriter {
public:
    void write(int code, int width) {
        m_bits |= quint32(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.append(char(m_bits & 0xFF));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    void finishInto(QByteArray& out) {
        if (m_count > 0) m_bytes.append(char(m_bits & 0xFF));
        for (qsizetype at = 0; at < m_bytes.size(); at += 255) {
            const qsizetype length = std::min<qsizetype>(255, m_bytes.size() - at);
            out.append(char(length));
            out.append(m_bytes.mid(at, length));
        }
        out.append('\0');
    }

private:
    QByteArray m_bytes;
    quint32 m_bits = 0;
    int m_count = 0;
};

void compress(const QByteArray& indices, int minCodeSize, QByteArray& out) {
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    CodeWriter writer;
    QHash<quint32, int> table;
    int width = minCodeSize + 1;
    int next = clearCode + 2;
    writer.write(clearCode, width);

    int prefix = uchar(indices[0]);
    for (qsizetype i = 1; i < indices.size(); ++i) {
        const int pixel = uchar(indices[i]);
        const quint32 key = (quint32(prefix) << 8) | quint32(pixel);
        auto found = table.constFind(key);
        if (found != table.cend()) {
            prefix = *found;
            continue;
        }
        writer.write(prefix, width);
        if (next <= kMaxCode) {
            table.insert(key, next++);
            // The reader adds its entries one code behind us, so it widens when our next code
            // passes the current width's range, not when it reaches it.
            if (next > (1 << width) && width < 12) ++width;
        } else {
            writer.write(clearCode, width);
            table.clear();
            width = minCodeSize + 1;
            next = clearCode + 2;
        }
        prefix = pixel;
    }
    writer.write(prefix, width);
    writer.write(endCode, width);
    writer.finishInto(out);
}

}  // namespace

QByteArray encodeGif(const IndexedImage& image) {
    const int width = image.size.width();
    const int height = image.size.height();
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF || image.palette.size() > 256 ||
        image.transparentIndex >= image.palette.size() || image.indices.size() != qsizetype(width) * height)
        return {};
    for (char index : image.indices) {
        if (uchar(index) >= image.palette.size()) return {};
    }

    int tableBits = 1;  // GIF's smallest colour table has two entries
    while ((1 << tableBits) < image.palette.size()) ++tableBits;

    QByteArray out("GIF89a");
    putShort(out, width);
    putShort(out, height);
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));  // global table, its size
    out.append('\0');                                                   // background colour index
    out.append('\0');                                                   // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb rgb = i < image.palette.size() ? image.palette[i] : 0;
        out.append(char(qRed(rgb)));
        out.append(char(qGreen(rgb)));
        out.append(char(qBlue(rgb)));
    }
    if (image.transparentIndex >= 0) {
        out.append("\x21\xF9\x04\x01", 4);  // graphic control extension, transparency flag set
        putShort(out, 0);                   // no delay
        out.append(char(image.transparentIndex));
        out.append('\0');
    }
    out.append(',');  // image descriptor: whole screen, no local table, not interlaced
    putShort(out, 0);
    putShort(out, 0);
    putShort(out, width);
    putShort(out, height);
    out.append('\0');
    const int minCodeSize = std::max(2, tableBits);
    out.append(char(minCodeSize));
    compress(image.indices, minCodeSize, out);
    out.append(';');
    return out;
}

}  // namespace skingen
