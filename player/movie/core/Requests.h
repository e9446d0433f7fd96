#pragma once

#include <QString>

#include <optional>

namespace movie {

// What the views ask of the controller. A request travels by its name (so that anything
// outside the movie can send one too), with the argument in brackets: Scrub (seconds), Volume
// (0 to 100), Item (index), GetLink (index, else the current item).
enum class Request { PlayPause, Prev, Next, Scrub, Volume, FullScreen, Captions, Item, GetLink, Stop };

QString requestName(Request request);
// Empty for a name that is no request.
std::optional<Request> requestNamed(const QString& name);

}  // namespace movie
