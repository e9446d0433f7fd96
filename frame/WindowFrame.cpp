#include "frame/WindowFrame.h"

#include "player/Form1.h"

namespace frame {

WindowFrame::WindowFrame(player::Form1& window, FrameSeams seams)
    : m_fullScreen(window, m_mode, seams.windowSystemPlacesWindows),
      m_layout(window, m_mode),
      m_move(window, [&window] { return window.form.StartSystemMove(); }),
      m_grip(window),
      m_buttons(window, std::move(seams.showAbout), std::move(seams.endProgram)) {}

}  // namespace frame
