#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace runtime {

// The player movie as the component reads it: a stage header, the name of the program that
// runs on the stage, and named assets (icons and other pictures the program draws).
//
// On disk: "QMV", a format version byte, the 32-bit little-endian length of the whole
// uncompressed file (8-byte header included), then the body compressed with zlib.
struct MovieAsset {
    QString name;
    QByteArray data;
};

struct Movie {
    int stageWidth = 0;
    int stageHeight = 0;
    double frameRate = 0;
    quint32 backgroundRgb = 0xFFFFFF;
    QString program;
    QList<MovieAsset> assets;

    const QByteArray* asset(const QString& name) const;
};

inline constexpr int kMovieFormatVersion = 1;
// Far above any real movie; a declared length beyond it is refused before inflating.
inline constexpr quint32 kMaxMovieLength = 16u * 1024u * 1024u;

QByteArray encodeMovie(const Movie& movie);

// Strict: any deviation from the format (signature, version, lengths, counts, trailing bytes)
// gives nullopt and a reason.
std::optional<Movie> decodeMovie(const QByteArray& bytes, QString* error = nullptr);

}  // namespace runtime
