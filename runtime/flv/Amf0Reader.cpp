#include "runtime/flv/Amf0Reader.h"

#include <QVariantList>
#include <QVariantMap>

#include <cstring>

namespace runtime {

namespace {

enum Marker : quint8 {
    Number = 0x00,
    Boolean = 0x01,
    String = 0x02,
    Object = 0x03,
    Null = 0x05,
    Undefined = 0x06,
    EcmaArray = 0x08,
    ObjectEnd = 0x09,
    StrictArray = 0x0A,
    Date = 0x0B,
    LongString = 0x0C,
    Unsupported = 0x0D,
    XmlDocument = 0x0F,
};

}  // namespace

bool Amf0Reader::readValue(QVariant* out, QString* error) {
    m_error.clear();
    const bool ok = value(out, 0);
    if (!ok && error) *error = m_error;
    return ok;
}

bool Amf0Reader::fail(const QString& why) {
    if (m_error.isEmpty()) m_error = QStringLiteral("AMF0 at byte %1: %2").arg(m_pos).arg(why);
    return false;
}

bool Amf0Reader::value(QVariant* out, int depth) {
    if (depth > kMaxDepth) return fail(QStringLiteral("nested too deeply"));
    if (++m_values > kMaxValues) return fail(QStringLiteral("too many values"));
    quint8 marker = 0;
    if (!u8(&marker)) return false;
    switch (marker) {
        case Number: {
            double d = 0;
            if (!number(&d)) return false;
            *out = d;
            return true;
        }
        case Boolean: {
            quint8 b = 0;
            if (!u8(&b)) return false;
            *out = b != 0;
            return true;
        }
        case String:
        case LongString:
        case XmlDocument: {
            qsizetype length = 0;
            if (marker == String) {
                quint16 n = 0;
                if (!u16(&n)) return false;
                length = n;
            } else {
                quint32 n = 0;
                if (!u32(&n)) return false;
                length = static_cast<qsizetype>(n);
            }
            QString text;
            if (!utf8(length, &text)) return false;
            *out = text;
            return true;
        }
        case Object:
        case EcmaArray: {
            // An ECMA array's count is only a hint; both end with an empty key and the end marker.
            quint32 hint = 0;
            if (marker == EcmaArray && !u32(&hint)) return false;
            QVariantMap map;
            if (!properties(&map, depth + 1)) return false;
            *out = map;
            return true;
        }
        case StrictArray:
            return strictArray(out, depth + 1);
        case Date: {
            double ms = 0;
            quint16 zone = 0;
            if (!number(&ms) || !u16(&zone)) return false;
            *out = ms;
            return true;
        }
        case Null:
        case Undefined:
        case Unsupported:
            *out = QVariant();
            return true;
        default:
            return fail(QStringLiteral("unsupported type marker %1").arg(marker));
    }
}

bool Amf0Reader::properties(QVariantMap* out, int depth) {
    for (;;) {
        quint16 keyLength = 0;
        if (!u16(&keyLength)) return false;
        if (keyLength == 0) {
            quint8 marker = 0;
            if (!u8(&marker)) return false;
            if (marker == ObjectEnd) return true;
            // Some writers use an empty key for a real property; keep reading.
            --m_pos;
        }
        QString key;
        if (!utf8(keyLength, &key)) return false;
        QVariant item;
        if (!value(&item, depth)) return false;
        out->insert(key, item);
    }
}

bool Amf0Reader::strictArray(QVariant* out, int depth) {
    if (depth > kMaxDepth) return fail(QStringLiteral("nested too deeply"));
    quint32 count = 0;
    if (!u32(&count)) return false;
    // Every element takes at least one byte, so a count beyond what is left is a lie.
    if (count > static_cast<quint64>(m_data.size() - m_pos))
        return fail(QStringLiteral("array of %1 elements in %2 bytes").arg(count).arg(m_data.size() - m_pos));
    QVariantList list;
    list.reserve(static_cast<qsizetype>(count));
    for (quint32 i = 0; i < count; ++i) {
        QVariant item;
        if (!value(&item, depth)) return false;
        list.append(item);
    }
    *out = list;
    return true;
}

bool Amf0Reader::u8(quint8* out) {
    if (m_data.size() - m_pos < 1) return fail(QStringLiteral("truncated"));
    *out = static_cast<quint8>(m_data[m_pos++]);
    return true;
}

bool Amf0Reader::u16(quint16* out) {
    if (m_data.size() - m_pos < 2) return fail(QStringLiteral("truncated"));
    const auto* p = reinterpret_cast<const uchar*>(m_data.data() + m_pos);
    *out = static_cast<quint16>((p[0] << 8) | p[1]);
    m_pos += 2;
    return true;
}

bool Amf0Reader::u32(quint32* out) {
    if (m_data.size() - m_pos < 4) return fail(QStringLiteral("truncated"));
    const auto* p = reinterpret_cast<const uchar*>(m_data.data() + m_pos);
    *out = (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
    m_pos += 4;
    return true;
}

bool Amf0Reader::number(double* out) {
    if (m_data.size() - m_pos < 8) return fail(QStringLiteral("truncated"));
    quint64 bits = 0;
    for (int i = 0; i < 8; ++i) bits = (bits << 8) | static_cast<uchar>(m_data[m_pos + i]);
    std::memcpy(out, &bits, sizeof bits);
    m_pos += 8;
    return true;
}

bool Amf0Reader::utf8(qsizetype length, QString* out) {
    if (length > m_data.size() - m_pos)
        return fail(QStringLiteral("string of %1 bytes past the end").arg(length));
    *out = QString::fromUtf8(m_data.data() + m_pos, length);
    m_pos += length;
    return true;
}

}  // namespace runtime
