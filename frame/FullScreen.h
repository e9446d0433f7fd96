#pragma once

#include "frame/ScreenMode.h"

#include <QSize>

#include <cstdint>

namespace platform::forms {
class ExtenderControl;
}
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
    // A file loaded in full-screen mode plays in full screen: loading sized the window back to
    // its small size with the strips still hidden, where only Quit could be reached. The saved
    // size stays the one from before the mode was entered.
    void Form1_FileLoaded();

    std::int32_t savedWidth() const { return m_savedwidth; }
    std::int32_t savedHeight() const { return m_savedheight; }

private:
    QSize screenInPixels() const;
    void coverScreen(platform::forms::ExtenderControl& ctrl, QSize screenPixels);
    void leaveWindowSystemFullScreen();

    player::Form1& m_window;
    ScreenMode& m_mode;
    bool m_windowSystemPlacesWindows;
    bool m_windowSystemFullScreen = false;
    std::int32_t m_savedwidth = 0;
    std::int32_t m_savedheight = 0;
};

}  // namespace frame
