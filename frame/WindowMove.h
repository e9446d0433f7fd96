#pragma once

#include <functional>

namespace platform::forms {
struct MouseEvent;
}
namespace player {
class Form1;
}

namespace frame {

// The window has no caption: the title strip and the status text hand the drag to the window
// system's own move, which follows the pointer until the left button is released.
class WindowMove {
public:
    // startSystemMove asks the window system to move the window; false when it refuses.
    WindowMove(player::Form1& window, std::function<bool()> startSystemMove);
    ~WindowMove();
    WindowMove(const WindowMove&) = delete;
    WindowMove& operator=(const WindowMove&) = delete;

    void status_MouseDown(const platform::forms::MouseEvent& event);
    void Picture1_MouseDown(const platform::forms::MouseEvent& event);
    void Picture1_MouseMove(const platform::forms::MouseEvent& event);

private:
    bool overStatus(const platform::forms::MouseEvent& event) const;

    player::Form1& m_window;
    std::function<bool()> m_startSystemMove;
    // One move per press on the strip: once the window system's move has ended, Qt still
    // reports a move with the button it last saw held, and asking again then would start a
    // move that no release ends.
    bool m_movePending = false;
};

}  // namespace frame
