#include "frame/WindowFrame.h"

#include "player/Form1.h"

namespace frame {

WindowFrame::WindowFrame(player::Form1& window, FrameSeams seams)
    : m_layout(window, m_mode),
      m_move(window, [&window] { return window.form.StartSystemMove(); }),
      m_grip(window),
      m_fullScreen(window, m_mode, seams.windowSystemPlacesWindows),
      m_buttons(window, std::move(seams.showAbout), std::move(seams.endProgram)) {
    // Full-screen mode looks at the window before the size guard does; the layout's
    // destructor unbinds the timer.
    window.Timer1.TimerEvent = [this] {
        m_fullScreen.releaseWindowSystemAfterLoad();
        m_layout.Timer1_Timer();
    };
}

}  // namespace frame
