#include "runtime/flv/FlvMetadata.h"

#include "runtime/flv/Amf0Reader.h"

#include <QFile>
#include <QVariantList>
#include <QVariantMap>

#include <cmath>

namespace runtime {

namespace {

constexpr qsizetype kHeaderSize = 9;
constexpr qsizetype kTagHeaderSize = 11;
constexpr quint8 kScriptTag = 18;

quint32 be(QByteArrayView data, qsizetype at, int bytes) {
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<uchar>(data[at + i]);
    return v;
}

FlvMetadataResult refused(const QString& why) {
    FlvMetadataResult result;
    result.error = why;
    return result;
}

// A finite, positive number or 0.
double positive(const QVariant& value) {
    if (value.typeId() != QMetaType::Double) return 0;
    const double d = value.toDouble();
    return std::isfinite(d) && d > 0 ? d : 0;
}

bool numbers(const QVariant& value, double limit, QList<double>* out) {
    if (value.typeId() != QMetaType::QVariantList) return false;
    const QVariantList list = value.toList();
    for (const QVariant& item : list) {
        if (item.typeId() != QMetaType::Double) return false;
        const double d = item.toDouble();
        if (!std::isfinite(d) || d < 0 || d > limit) return false;
        out->append(d);
    }
    return true;
}

StreamMetadata fromMap(const QVariantMap& map, qint64 fileSize) {
    StreamMetadata meta;
    meta.duration = positive(map.value(QStringLiteral("duration")));
    meta.width = positive(map.value(QStringLiteral("width")));
    meta.height = positive(map.value(QStringLiteral("height")));
    const QVariantMap keyframes = map.value(QStringLiteral("keyframes")).toMap();
    QList<double> times;
    QList<double> positions;
    const double positionLimit = fileSize >= 0 ? double(fileSize) : HUGE_VAL;
    if (numbers(keyframes.value(QStringLiteral("times")), HUGE_VAL, &times) &&
        numbers(keyframes.value(QStringLiteral("filepositions")), positionLimit, &positions) &&
        times.size() == positions.size()) {
        meta.keyframeTimes = times;
        meta.keyframePositions = positions;
    }
    return meta;
}

// Decodes a script tag's body; ok with found=false when it is some other script call.
bool scriptTag(QByteArrayView body, qint64 fileSize, bool* found, FlvMetadataResult* result) {
    Amf0Reader reader(body);
    QVariant name;
    QString error;
    if (!reader.readValue(&name, &error)) {
        *result = refused(error);
        return false;
    }
    if (name.typeId() != QMetaType::QString || name.toString() != QLatin1String("onMetaData")) {
        *found = false;
        return true;
    }
    QVariant data;
    if (!reader.readValue(&data, &error)) {
        *result = refused(error);
        return false;
    }
    if (data.typeId() != QMetaType::QVariantMap) {
        *result = refused(QStringLiteral("onMetaData carries no object"));
        return false;
    }
    *found = true;
    result->ok = true;
    result->metadata = fromMap(data.toMap(), fileSize);
    return true;
}

}  // namespace

bool looksLikeFlv(QByteArrayView head) {
    return head.size() >= 3 && head.first(3) == QByteArrayView("FLV");
}

FlvMetadataResult readFlvMetadata(QByteArrayView head, qint64 fileSize) {
    if (head.size() > kFlvHeadLimit) head = head.first(kFlvHeadLimit);
    if (head.size() < kHeaderSize || !looksLikeFlv(head)) return refused(QStringLiteral("not an FLV file"));
    if (head[3] != 1) return refused(QStringLiteral("unknown FLV version %1").arg(int(head[3])));
    const quint32 dataOffset = be(head, 5, 4);
    if (dataOffset < kHeaderSize || dataOffset > quint32(head.size()))
        return refused(QStringLiteral("bad FLV data offset %1").arg(dataOffset));

    // The body is a list of tags, each followed by its own size; the first size is 0.
    qsizetype pos = dataOffset;
    quint32 expectedPrevious = 0;
    for (;;) {
        if (head.size() - pos < 4)
            return refused(QStringLiteral("no onMetaData in the first %1 bytes").arg(head.size()));
        if (be(head, pos, 4) != expectedPrevious)
            return refused(QStringLiteral("tag size mismatch at byte %1").arg(pos));
        pos += 4;
        if (head.size() - pos < kTagHeaderSize)
            return refused(QStringLiteral("no onMetaData in the first %1 bytes").arg(head.size()));
        const quint8 type = static_cast<quint8>(head[pos]);
        const quint32 dataSize = be(head, pos + 1, 3);
        if (qint64(dataSize) > head.size() - pos - kTagHeaderSize)
            return refused(QStringLiteral("tag at byte %1 runs past the data read").arg(pos));
        const QByteArrayView body = head.sliced(pos + kTagHeaderSize, dataSize);
        // Bit 5 marks an encrypted (filtered) tag, which cannot be read.
        if ((type & 0x1F) == kScriptTag && !(type & 0x20)) {
            bool found = false;
            FlvMetadataResult result;
            if (!scriptTag(body, fileSize, &found, &result)) return result;
            if (found) return result;
        }
        pos += kTagHeaderSize + dataSize;
        expectedPrevious = dataSize + kTagHeaderSize;
    }
}

FlvMetadataResult readFlvMetadataFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refused(file.errorString());
    const qint64 size = file.isSequential() ? -1 : file.size();
    const QByteArray head = file.read(kFlvHeadLimit);
    return readFlvMetadata(head, size);
}

}  // namespace runtime
