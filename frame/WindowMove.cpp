#include "frame/WindowMove.h"

#include "player/Form1.h"

namespace frame {

using platform::forms::MouseEvent;

namespace {
constexpr int kLeftButton = 1;
}

WindowMove::WindowMove(player::Form1& window, std::function<bool()> startSystemMove)
    : m_window(window), m_startSystemMove(std::move(startSystemMove)) {
    m_window.status.MouseDown = [this](const MouseEvent& e) { status_MouseDown(e); };
    m_window.Picture1.MouseDown = [this](const MouseEvent& e) { Picture1_MouseDown(e); };
    m_window.Picture1.MouseMove = [this](const MouseEvent& e) { Picture1_MouseMove(e); };
}

WindowMove::~WindowMove() {
    m_window.status.MouseDown = nullptr;
    m_window.Picture1.MouseDown = nullptr;
    m_window.Picture1.MouseMove = nullptr;
}

// A move is only started while the left button is held: started on a bare hover, or for
// another button, the window system would take the pointer with nothing to end the move.
void WindowMove::status_MouseDown(const MouseEvent& event) {
    if (event.Button == kLeftButton) m_startSystemMove();
}

// The status text's press reaches the strip under it as well, after it has asked for its move.
void WindowMove::Picture1_MouseDown(const MouseEvent& event) {
    m_movePending = event.Button == kLeftButton && !overStatus(event);
}

void WindowMove::Picture1_MouseMove(const MouseEvent& event) {
    if (!(event.Button & kLeftButton) || !m_movePending) return;
    m_movePending = false;
    m_startSystemMove();
}

bool WindowMove::overStatus(const MouseEvent& event) const {
    const auto& status = m_window.status;
    return status.Visible() && event.X >= status.Left() && event.X < status.Left() + status.Width() &&
           event.Y >= status.Top() && event.Y < status.Top() + status.Height();
}

}  // namespace frame
