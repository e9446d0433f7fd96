#pragma once

#include "frame/ScreenMode.h"

#include <cstdint>

namespace player {
class Form1;
}

namespace frame {

// Full-screen mode: the borderless window is moved to the screen's top-left corner and sized
// to the whole screen, the strips and the grip are hidden, and the player fills the window;
// the leave button brings the window back to the size it had when the mode was entered.
class FullScreen {
public:
    // windowSystemPlacesWindows is false where the window system refuses to move a window
    // (Wayland); full-screen mode then asks the window system for full screen as well.
    FullScreen(player::Form1& window, ScreenMode& mode, bool windowSystemPlacesWindows);
    ~FullScreen();
    FullScreen(const FullScreen&) = delete;
    FullScreen& operator=(const FullScreen&) = delete;

    void fullscreen_Click();
    void restorepic_Click();
    // On each tick of the size guard, before it: a file loaded in full-screen mode puts the
    // window back to a small size; where the window system holds the window full screen, it
    // is asked to let go so that the small size shows. The mode itself stays on.
    void releaseWindowSystemAfterLoad();

    std::int32_t savedWidth() const { return m_savedwidth; }
    std::int32_t savedHeight() const { return m_savedheight; }

private:
    void leaveWindowSystemFullScreen();

    player::Form1& m_window;
    ScreenMode& m_mode;
    bool m_windowSystemPlacesWindows;
    bool m_windowSystemFullScreen = false;
    std::int32_t m_savedwidth = 0;
    std::int32_t m_savedheight = 0;
};

}  // namespace frame
