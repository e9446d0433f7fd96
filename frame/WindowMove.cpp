#include "frame/WindowMove.h"

#include "player/Form1.h"

namespace frame {

namespace {
constexpr int kLeftButton = 1;
}

WindowMove::WindowMove(player::Form1& window, std::function<bool()> startSystemMove)
    : m_window(window), m_startSystemMove(std::move(startSystemMove)) {
    m_window.status.MouseDown = [this](const platform::forms::MouseEvent& e) { status_MouseDown(e); };
    m_window.Picture1.MouseMove = [this](const platform::forms::MouseEvent& e) { Picture1_MouseMove(e); };
}

WindowMove::~WindowMove() {
    m_window.status.MouseDown = nullptr;
    m_window.Picture1.MouseMove = nullptr;
}

// A move is only started while the left button is held: started on a bare hover, or for
// another button, the window system would take the pointer with nothing to end the move.
void WindowMove::status_MouseDown(const platform::forms::MouseEvent& event) {
    if (event.Button == kLeftButton) m_startSystemMove();
}

void WindowMove::Picture1_MouseMove(const platform::forms::MouseEvent& event) {
    if (event.Button & kLeftButton) m_startSystemMove();
}

}  // namespace frame
