#pragma once

#include <QString>

// The names Quorvel goes by on the session bus.
namespace mpris {

inline const QString kBusName = QStringLiteral("org.mpris.MediaPlayer2.quorvel");
// Taken instead when another Quorvel holds kBusName; the process id follows.
inline const QString kInstanceSuffix = QStringLiteral(".instance");
inline const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
inline const QString kRootInterface = QStringLiteral("org.mpris.MediaPlayer2");
inline const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
inline const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
inline const QString kNoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

}  // namespace mpris
