#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>

namespace runtime {

// Decodes AMF0 values from untrusted bytes: numbers and dates as double, booleans, strings,
// objects and ECMA arrays as QVariantMap, strict arrays as QVariantList, null and undefined as an
// invalid QVariant. Nesting and element counts are capped and every length is checked against
// the bytes left, so malformed input ends in an error, never a crash or a long loop.
class Amf0Reader {
public:
    static constexpr int kMaxDepth = 64;
    static constexpr qsizetype kMaxValues = 1 << 20;

    explicit Amf0Reader(QByteArrayView data) : m_data(data) {}

    bool readValue(QVariant* out, QString* error);
    qsizetype position() const { return m_pos; }

private:
    bool value(QVariant* out, int depth);
    bool properties(QVariantMap* out, int depth);
    bool strictArray(QVariant* out, int depth);
    bool u8(quint8* out);
    bool u16(quint16* out);
    bool u32(quint32* out);
    bool number(double* out);
    bool utf8(qsizetype length, QString* out);
    bool fail(const QString& why);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    qsizetype m_values = 0;
    QString m_error;
};

}  // namespace runtime
