#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

namespace movie {

// One caption: plain text (lines separated by "\n", markup removed) shown from `start` up to, not
// including, `end`, in seconds of the media. `end` may be infinite for a last caption that never ends.
struct Caption {
    double start = 0;
    double end = 0;
    QString text;

    friend bool operator==(const Caption&, const Caption&) = default;
};

using CaptionList = QList<Caption>;

inline constexpr qsizetype kCaptionsMaxBytes = qsizetype{4} * 1024 * 1024;
inline constexpr qsizetype kCaptionsMaxCount = 20000;

struct CaptionsResult {
    CaptionList captions;  // sorted by start
    QString error;         // why the file was refused; the list is then empty
    QString notice;        // what was left out of an accepted file, worth a line in the log
};

// Orders captions by start, keeping the file's order among equal starts.
void sortCaptions(CaptionList& captions);

// The caption on screen at `seconds` in a list sorted by start: of those with start <= seconds < end, the
// one that started last. Null when none is.
const Caption* captionAt(const CaptionList& captions, double seconds);

}  // namespace movie

Q_DECLARE_METATYPE(movie::CaptionList)
