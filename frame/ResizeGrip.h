#pragma once

namespace platform::forms {
struct MouseEvent;
}
namespace player {
class Form1;
}

namespace frame {

// The grip in the bottom-right corner resizes the window one pointer move at a time, from a
// press of any button to its release. The grip keeps the pointer from press to release, so
// moves and the release outside it still reach it. No minimum here: the size guard restores it.
class ResizeGrip {
public:
    explicit ResizeGrip(player::Form1& window);
    ~ResizeGrip();
    ResizeGrip(const ResizeGrip&) = delete;
    ResizeGrip& operator=(const ResizeGrip&) = delete;

    void resizepic_MouseDown(const platform::forms::MouseEvent& event);
    void resizepic_MouseMove(const platform::forms::MouseEvent& event);
    void resizepic_MouseUp(const platform::forms::MouseEvent& event);

    int resizing() const { return m_resizing; }

private:
    player::Form1& m_window;
    int m_resizing = 0;
};

}  // namespace frame
