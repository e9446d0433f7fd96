#pragma once

#include <QByteArray>

namespace platform::mimeapps {

// Edits of a mimeapps.list that touch only the one line for the MIME type in the
// [Default Applications] section and keep every other byte as it was.

// The file with "mime=desktopId" as the default: the section's line for mime replaced, or
// added at the end of the section (the section is added when missing).
QByteArray withDefault(const QByteArray& content, const QByteArray& mime, const QByteArray& desktopId);

// The file with desktopId taken out of the defaults for mime; a line left naming nothing goes.
QByteArray withoutDefault(const QByteArray& content, const QByteArray& mime, const QByteArray& desktopId);

}  // namespace platform::mimeapps
