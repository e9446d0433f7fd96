#pragma once

#include <functional>

namespace player {
class Form1;
}

namespace frame {

// The About and Quit buttons that stand in for the frame buttons the borderless window lacks.
class FrameButtons {
public:
    // showAbout shows the About box modally and returns once it is closed; endProgram makes
    // the application leave its event loop.
    FrameButtons(player::Form1& window, std::function<void()> showAbout, std::function<void()> endProgram);
    ~FrameButtons();
    FrameButtons(const FrameButtons&) = delete;
    FrameButtons& operator=(const FrameButtons&) = delete;

    void Picture2_Click();
    void Picture4_Click();

private:
    player::Form1& m_window;
    std::function<void()> m_showAbout;
    std::function<void()> m_endProgram;
};

}  // namespace frame
