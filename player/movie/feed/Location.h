#pragma once

#include <QString>
#include <QUrl>

namespace movie {

// Where a feed's file, image or captions are read from: an address as written, or a local path
// made absolute. A one-letter scheme would be a drive letter, so it makes a path too.
QUrl locationOf(const QString& file);

}  // namespace movie
