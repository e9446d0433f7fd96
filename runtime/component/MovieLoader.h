#pragma once

#include "runtime/moviefile/MovieFile.h"

#include <QString>

#include <optional>

namespace runtime {

struct MovieUrl {
    QString path;   // the movie file
    QString query;  // after "?", before any "#"
};

// Splits a movie URL as the component reads it: a local path (or file: address), "?" and the query.
MovieUrl splitMovieUrl(const QString& url);

// Reads and checks a movie file; nullopt with a reason for a missing, oversized or invalid file.
std::optional<Movie> readMovieFile(const QString& path, QString* error);

}  // namespace runtime
