#pragma once

#include <QString>

namespace movie {

// The captions file lying beside a local media file, as mpv and VLC find one: in the same folder, with the
// same base name ("clip" for "clip.flv") and the extension ".srt", else ".ttml", else ".dfxp", else ".xml"
// when that file holds Timed Text; the extension's case does not count. `media` is a path or a file://
// address. An empty string when there is none, or when `media` is not a local file.
QString captionsBeside(const QString& media);

}  // namespace movie
