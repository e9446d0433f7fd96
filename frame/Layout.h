#pragma once

#include "frame/ScreenMode.h"

namespace player {
class Form1;
}

namespace frame {

// Keeps the borderless window usable at any size: the layout pass on every resize notification
// moves the controls that hug the right and bottom edges and fits the player, and the size
// guard on every tick of Timer1 holds the window at its minimum size and fits the player again.
// It alone binds the window's resize notification and Timer1.
class Layout {
public:
    Layout(player::Form1& window, const ScreenMode& mode);
    ~Layout();
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;

    void Form_Resize();
    void Timer1_Timer();

    float minimumWidth() const;
    float minimumHeight() const;

private:
    player::Form1& m_window;
    const ScreenMode& m_mode;
    // True while a pass runs: a resize made inside a pass does not start another one.
    bool m_inresize = false;
};

}  // namespace frame
