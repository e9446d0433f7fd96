#pragma once

namespace player {
class Form1;
}

namespace frame {

// Whether the window is in full-screen mode; set and cleared by the full-screen buttons, read
// by the layout and the size guard.
struct ScreenMode {
    bool fullScreen = false;
};

// The player covers the whole window while full-screen mode is on and the player sits at the
// top edge where entering, or a load in full-screen mode, put it.
bool playerCoversWindow(const player::Form1& window, const ScreenMode& mode);

// Sizes the player to the space it should fill: the whole window when it covers it, otherwise
// the band between the title strip and the bottom bar. Height first, then width; each is
// skipped on its own when it fails (no player yet, a negative height).
void fitPlayer(player::Form1& window, const ScreenMode& mode);

}  // namespace frame
