#pragma once

#include <QByteArray>
#include <QString>

namespace platform::desktop_entry {

// The desktop's name for Quorvel: the installed entry, its AppStream component and the media
// players' interface all use it.
inline constexpr auto kDesktopId = "org.quorvel.Quorvel";
inline constexpr auto kFileName = "org.quorvel.Quorvel.desktop";
// The name versions before the reverse-DNS one wrote their entry under.
inline constexpr auto kFormerFileName = "quorvel.desktop";
inline constexpr auto kMimeType = "video/x-flv";
// Marks an entry as written by the association, so removing it never takes a hand-made one.
inline constexpr auto kMarkerLine = "X-Quorvel-Association=true";

// One argument of an Exec key as the freedesktop desktop-entry format asks: quoted only when it
// holds a reserved character (double quotes, with `"`, `` ` ``, `$` and `\` escaped), `%` always
// doubled, then escaped as a string value.
QString execArgument(const QString& argument);

// The whole entry for the program at programPath, opening one file per start.
QByteArray entryText(const QString& programPath);

}  // namespace platform::desktop_entry
