#pragma once

#include "frame/FrameButtons.h"
#include "frame/FullScreen.h"
#include "frame/Layout.h"
#include "frame/ResizeGrip.h"
#include "frame/ScreenMode.h"
#include "frame/WindowMove.h"

#include <functional>

namespace player {
class Form1;
}

namespace frame {

// What the frame needs from outside the window.
struct FrameSeams {
    std::function<void()> showAbout;   // shows the About box modally
    std::function<void()> endProgram;  // leaves the application's event loop
    bool windowSystemPlacesWindows = true;
};

// Everything a borderless window must supply itself: layout and size guard, moving and
// resizing, full-screen mode, the About and Quit buttons. Made right after the main window and
// before its load event, since the first resize notifications come during start-up; it must
// be destroyed before the window.
class WindowFrame {
public:
    WindowFrame(player::Form1& window, FrameSeams seams);

    Layout& layout() { return m_layout; }
    ResizeGrip& grip() { return m_grip; }
    FullScreen& fullScreen() { return m_fullScreen; }
    FrameButtons& buttons() { return m_buttons; }
    const ScreenMode& mode() const { return m_mode; }

private:
    ScreenMode m_mode;
    FullScreen m_fullScreen;
    Layout m_layout;
    WindowMove m_move;
    ResizeGrip m_grip;
    FrameButtons m_buttons;
};

}  // namespace frame
