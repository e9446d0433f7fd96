#pragma once

namespace movie {

// What the views, the keyboard and remote controls ask of the controller, with the argument in
// brackets: Scrub (seconds), Volume (0 to 100), Item (index), GetLink (index, else the current item).
enum class Request { PlayPause, Prev, Next, Scrub, Volume, FullScreen, Captions, Item, GetLink, Stop };

}  // namespace movie
