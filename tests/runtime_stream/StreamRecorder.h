#pragma once

#include "runtime/stream/Stream.h"

#include <QStringList>

#include <array>
#include <utility>

// The status codes by the names the component gives them, for tests that read or send them.
inline const std::array<std::pair<runtime::StreamCode, const char*>, 7> kStreamCodeNames{{
    {runtime::StreamCode::PlayStart, "NetStream.Play.Start"},
    {runtime::StreamCode::PlayStop, "NetStream.Play.Stop"},
    {runtime::StreamCode::BufferFull, "NetStream.Buffer.Full"},
    {runtime::StreamCode::BufferEmpty, "NetStream.Buffer.Empty"},
    {runtime::StreamCode::BufferFlush, "NetStream.Buffer.Flush"},
    {runtime::StreamCode::SeekNotify, "NetStream.Seek.Notify"},
    {runtime::StreamCode::StreamNotFound, "NetStream.Play.StreamNotFound"},
}};

inline QString streamCodeName(runtime::StreamCode code) {
    for (const auto& [known, name] : kStreamCodeNames)
        if (known == code) return QLatin1String(name);
    return QString();
}

// Keeps every status code and metadata a stream sends, in order.
struct StreamRecorder {
    explicit StreamRecorder(runtime::Stream* stream) {
        QObject::connect(
            stream, &runtime::Stream::status, stream,
            [this](const runtime::StreamStatus& status) { codes.append(streamCodeName(status.code)); });
        QObject::connect(stream, &runtime::Stream::metaData, stream,
                         [this](const runtime::StreamMetadata& m) { metadata.append(m); });
    }
    bool has(const char* code) const { return codes.contains(QLatin1String(code)); }
    qsizetype indexOf(const char* code) const { return codes.indexOf(QLatin1String(code)); }

    QStringList codes;
    QList<runtime::StreamMetadata> metadata;
};
