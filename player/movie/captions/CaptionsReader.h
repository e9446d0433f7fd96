#pragma once

#include "player/movie/captions/Caption.h"

#include <QByteArray>
#include <QString>

namespace movie {

// Reads a captions file as SubRip or Timed Text XML: by the extension of `name` (".srt"; ".xml", ".dfxp",
// ".ttml", ".tt"), else by its content (XML starts with "<").
CaptionsResult parseCaptions(const QByteArray& data, const QString& name);

}  // namespace movie
