#include "badinput/FlvCrafting.h"

#include <QtEndian>

#include <cstring>
#include <vector>

namespace badinput {

namespace {

quint32 be24(const char* p) {
    const auto* u = reinterpret_cast<const uchar*>(p);
    return (quint32(u[0]) << 16) | (quint32(u[1]) << 8) | u[2];
}

void put24(QByteArray& out, quint32 v) {
    out.append(char((v >> 16) & 0xFF)).append(char((v >> 8) & 0xFF)).append(char(v & 0xFF));
}

void put32(QByteArray& out, quint32 v) {
    put24(out, v >> 8);
    out.append(char(v & 0xFF));
}

QByteArray nameBytes(const QByteArray& name) {
    QByteArray out;
    out.append(char(name.size() >> 8)).append(char(name.size() & 0xFF)).append(name);
    return out;
}

QByteArray entries(const QList<QPair<QByteArray, QByteArray>>& list) {
    QByteArray out;
    for (const auto& [name, value] : list) out += nameBytes(name) + value;
    return out + QByteArray("\x00\x00\x09", 3);
}

}  // namespace

std::optional<FlvFile> parseFlv(const QByteArray& bytes) {
    if (bytes.size() < 13 || !bytes.startsWith("FLV")) return std::nullopt;
    FlvFile file;
    file.header = bytes.left(9);
    qsizetype at = 13;
    while (at + 11 <= bytes.size()) {
        const char* p = bytes.constData() + at;
        const quint32 size = be24(p + 1);
        if (at + 11 + qsizetype(size) > bytes.size()) break;
        FlvTag tag;
        tag.type = quint8(p[0]);
        tag.timestamp = be24(p + 4) | (quint32(quint8(p[7])) << 24);
        tag.body = bytes.mid(at + 11, size);
        file.tags.append(tag);
        at += 11 + qsizetype(size) + 4;
    }
    return file;
}

QByteArray tagBytes(const FlvTag& tag, quint32 sizeField, quint32 previousSize) {
    QByteArray out;
    out.append(char(tag.type));
    put24(out, sizeField);
    put24(out, tag.timestamp & 0xFFFFFF);
    out.append(char(tag.timestamp >> 24));
    put24(out, 0);
    out += tag.body;
    put32(out, previousSize);
    return out;
}

QByteArray writeFlv(const FlvFile& file, std::optional<quint32> previousSize) {
    QByteArray out = file.header;
    put32(out, 0);  // the size before the first tag is always 0; readers check it to know the format
    for (const FlvTag& tag : file.tags)
        out += tagBytes(tag, quint32(tag.body.size()), previousSize.value_or(quint32(11 + tag.body.size())));
    return out;
}

namespace amf {

QByteArray number(double value) {
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray out(1, '\x00');
    for (int shift = 56; shift >= 0; shift -= 8) out.append(char((bits >> shift) & 0xFF));
    return out;
}

QByteArray string(const QByteArray& text) {
    return QByteArray(1, '\x02') + nameBytes(text);
}

QByteArray boolean(bool value) {
    return QByteArray(1, '\x01') + QByteArray(1, value ? '\x01' : '\x00');
}

QByteArray strictArray(const QList<double>& values) {
    QByteArray out(1, '\x0A');
    put32(out, quint32(values.size()));
    for (double v : values) out += number(v);
    return out;
}

QByteArray ecmaArray(const QList<QPair<QByteArray, QByteArray>>& list, quint32 count) {
    QByteArray out(1, '\x08');
    put32(out, count);
    return out + entries(list);
}

QByteArray object(const QList<QPair<QByteArray, QByteArray>>& list) {
    return QByteArray(1, '\x03') + entries(list);
}

QByteArray nestedObjects(int depth) {
    // Built from the inside out: each level is an object whose one entry "n" holds the next.
    QByteArray out = number(1);
    for (int i = 0; i < depth; ++i)
        out = QByteArray(1, '\x03') + nameBytes("n") + out + QByteArray("\x00\x00\x09", 3);
    return out;
}

}  // namespace amf

QByteArray onMetaData(const QByteArray& ecmaArray) {
    return amf::string("onMetaData") + ecmaArray;
}

void declarePictureSize(FlvFile& file, int width, int height) {
    // Sorenson H.263: 17-bit start code, 5-bit version, 8-bit temporal reference, then a 3-bit
    // size code (0: 8-bit width and height follow, 1: 16-bit ones, other codes: fixed sizes).
    for (FlvTag& tag : file.tags) {
        if (tag.type != 9 || tag.body.size() < 6 || (tag.body[0] & 0x0F) != 2) continue;
        std::vector<bool> bits;
        for (qsizetype i = 1; i < tag.body.size(); ++i)
            for (int b = 7; b >= 0; --b) bits.push_back((quint8(tag.body[i]) >> b) & 1);
        const int code = (bits[30] << 2) | (bits[31] << 1) | int(bits[32]);
        const size_t oldEnd = 33 + (code == 0 ? 16 : code == 1 ? 32 : 0);
        std::vector<bool> out(bits.begin(), bits.begin() + 30);
        for (bool b : {false, false, true}) out.push_back(b);
        for (int v : {width, height})
            for (int b = 15; b >= 0; --b) out.push_back((v >> b) & 1);
        out.insert(out.end(), bits.begin() + qsizetype(oldEnd), bits.end());
        QByteArray body(1, tag.body[0]);
        for (size_t i = 0; i < out.size(); i += 8) {
            uchar byte = 0;
            for (size_t b = 0; b < 8; ++b) byte = uchar(byte << 1) | uchar(i + b < out.size() && out[i + b]);
            body.append(char(byte));
        }
        tag.body = body;
    }
}

}  // namespace badinput
