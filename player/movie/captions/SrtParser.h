#pragma once

#include "player/movie/captions/Caption.h"

#include <QByteArray>

namespace movie {

// Reads SubRip (.srt): blocks separated by blank lines, each an optional number, a timing line
// "hh:mm:ss,mmm --> hh:mm:ss,mmm" (a "." is accepted for the ",", anything after the end time is ignored)
// and one or more lines of text. UTF-8 with or without a byte order mark, else Latin-1; CRLF or LF.
// <i>, <b>, <u> and <font> tags and {\...} override codes are removed: captions are plain text.
// A block without a valid timing line, an end before its start, or more than kCaptionsMaxCount captions
// refuse the whole file.
CaptionsResult parseSrt(const QByteArray& data);

}  // namespace movie
