#pragma once

#include "runtime/stream/Stream.h"

#include <QByteArrayView>
#include <QString>

namespace runtime {

struct FlvMetadataResult {
    bool ok = false;
    QString error;  // why nothing was read, when !ok
    StreamMetadata metadata;
};

// Only this much of a file is read to find its metadata.
inline constexpr qint64 kFlvHeadLimit = qint64(1) << 20;

// True when the bytes start like an FLV file.
bool looksLikeFlv(QByteArrayView head);

// Reads the first "onMetaData" script tag of an FLV file's head. fileSize, when known (>= 0),
// bounds the keyframe positions. Values that make no sense (a duration or size that is not finite
// and positive, an inconsistent keyframe table) are left out rather than passed on.
FlvMetadataResult readFlvMetadata(QByteArrayView head, qint64 fileSize = -1);

// The same for a local file, reading at most kFlvHeadLimit bytes of it.
FlvMetadataResult readFlvMetadataFile(const QString& path);

}  // namespace runtime
