#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include <optional>

namespace badinput {

// An FLV file taken apart into its header and tags, so tests can damage one part of a real clip.
struct FlvTag {
    quint8 type = 0;  // 8 audio, 9 video, 18 script
    quint32 timestamp = 0;
    QByteArray body;
};

struct FlvFile {
    QByteArray header;  // the 9-byte file header
    QList<FlvTag> tags;
};

std::optional<FlvFile> parseFlv(const QByteArray& bytes);
// previousSize, when given, replaces every previous-tag-size field after the first tag's.
QByteArray writeFlv(const FlvFile& file, std::optional<quint32> previousSize = {});
// One tag as it appears in a file: its 11-byte header with sizeField, the body, the size after.
QByteArray tagBytes(const FlvTag& tag, quint32 sizeField, quint32 previousSize);

// AMF0 values, encoded.
namespace amf {
QByteArray number(double value);
QByteArray string(const QByteArray& text);
QByteArray boolean(bool value);
QByteArray strictArray(const QList<double>& values);
// An ECMA array with the count field given apart from the entries, which are name/encoded value.
QByteArray ecmaArray(const QList<QPair<QByteArray, QByteArray>>& entries, quint32 count);
QByteArray object(const QList<QPair<QByteArray, QByteArray>>& entries);
QByteArray nestedObjects(int depth);
}  // namespace amf

// The body of an onMetaData script tag holding the given ECMA array.
QByteArray onMetaData(const QByteArray& ecmaArray);

// Rewrites every Sorenson H.263 picture header to declare a picture of width x height.
void declarePictureSize(FlvFile& file, int width, int height);

}  // namespace badinput
