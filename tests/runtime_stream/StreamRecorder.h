#pragma once

#include "runtime/stream/Stream.h"

#include <QStringList>

// Keeps every status code and metadata a stream sends, in order.
struct StreamRecorder {
    explicit StreamRecorder(runtime::Stream* stream) {
        QObject::connect(stream, &runtime::Stream::status, stream,
                         [this](const QString& code) { codes.append(code); });
        QObject::connect(stream, &runtime::Stream::metaData, stream,
                         [this](const runtime::StreamMetadata& m) { metadata.append(m); });
    }
    bool has(const char* code) const { return codes.contains(QLatin1String(code)); }
    qsizetype indexOf(const char* code) const { return codes.indexOf(QLatin1String(code)); }

    QStringList codes;
    QList<runtime::StreamMetadata> metadata;
};
