#pragma once

#include <QByteArray>
#include <QList>

namespace platform::forms {

// The local files named by a text/uri-list, in order, as the bytes of their paths. Comment and
// blank lines, addresses other than file:, file addresses naming another host than the empty
// one or "localhost", and entries that are not well formed (a bad escape, an escaped NUL, a
// query or fragment) are left out. Percent-escapes are decoded to bytes, not characters.
QList<QByteArray> localFilesOfUriList(const QByteArray& list);

}  // namespace platform::forms
