#pragma once

#include "player/movie/captions/Caption.h"

#include <QByteArray>

namespace movie {

// Reads Timed Text XML (<tt>, TTML/DFXP): each <p> in <body> is a caption, its text with <br/> as line
// breaks and whitespace collapsed. Times are clock times ("01:02:03.5", also "01:02:03,5"; "01:02:03:12" in
// frames; "02:03.5") or offsets ("12.5s", "500ms", "2m", "1h", "30f", "100t", or a bare number of
// seconds); a begin on <body> or <div> shifts the times inside it. A <p> ends at its "end", else after its
// "dur", else at its parent's end; one still open ends where the next caption starts. A <p>, <div> or
// <body> with a time that cannot be read or an end before its begin is left out with all it holds (told in
// the notice). The same safety rules as playlists hold (no DTD, bounded nesting); a document that breaks
// them, or leaves no caption, is refused.
CaptionsResult parseTimedText(const QByteArray& data);

// True when the document (or its first bytes) opens with a <tt> root element, under the same safety rules.
bool isTimedTextDocument(const QByteArray& head);

}  // namespace movie
