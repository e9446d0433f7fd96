#pragma once

#include <QRect>

namespace movie {

class Config;

// Whether the display leaves the playlist room on the stage: below the bar, or beside the display.
bool hasPlaylistRoom(const Config& config);

// Where the playlist goes in the room the display leaves: at its right when the display is
// narrower than the stage, else under the control bar. Empty in full-screen state, where the
// display covers the stage.
QRect playlistArea(const Config& config, bool fullScreen);

}  // namespace movie
