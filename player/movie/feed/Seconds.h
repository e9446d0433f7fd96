#pragma once

#include <QString>

namespace movie {

// Reads a duration or start time as playlists write it: "90", "12.5", "12.5s", "1:30" or "00:01:30.5".
// Returns -1 for anything else, including negative and non-finite values.
double parseSeconds(const QString& text);

}  // namespace movie
