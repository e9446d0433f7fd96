#pragma once

#include "player/movie/captions/Caption.h"

#include <QByteArray>

namespace movie {

// Reads SubRip (.srt): blocks separated by blank lines, each an optional number, a timing line
// "hh:mm:ss,mmm --> hh:mm:ss,mmm" (the fraction may have one to three digits or be missing, "." may stand
// for ",", anything after the end time is ignored) and lines of text. Encodings as decodeCaptionText;
// CRLF or LF. Formatting is removed and character references decoded: captions are plain text.
// A block without a valid timing line or with its end before its start is left out (told in the
// notice), and so is one without text; the file is refused when no caption remains or when there are
// more than kCaptionsMaxCount.
CaptionsResult parseSrt(const QByteArray& data);

}  // namespace movie
