#include "frame/WindowFrame.h"

#include "player/Form1.h"

namespace frame {

WindowFrame::WindowFrame(player::Form1& window, FrameSeams seams)
    : m_fullScreen(window, m_mode, seams.windowSystemPlacesWindows),
      // Full-screen mode looks at the window before the size guard does.
      m_layout(window, m_mode, [this] { m_fullScreen.releaseWindowSystemAfterLoad(); }),
      m_move(window, [&window] { return window.form.StartSystemMove(); }),
      m_grip(window),
      m_buttons(window, std::move(seams.showAbout), std::move(seams.endProgram)) {}

}  // namespace frame
