#pragma once

#include <QStringList>

namespace mpris {

// What a caller may hand OpenUri: address schemes, and the file types the player movie plays
// (videos, sounds and pictures, and the playlists that list them).
QStringList supportedUriSchemes();
QStringList supportedMimeTypes();

}  // namespace mpris
