#include "frame/FrameButtons.h"

#include "platform/forms/Errors.h"
#include "player/Form1.h"

namespace frame {

FrameButtons::FrameButtons(player::Form1& window, std::function<void()> showAbout,
                           std::function<void()> endProgram)
    : m_window(window), m_showAbout(std::move(showAbout)), m_endProgram(std::move(endProgram)) {
    m_window.Picture2.Click = [this] { Picture2_Click(); };
    m_window.Picture4.Click = [this] { Picture4_Click(); };
}

FrameButtons::~FrameButtons() {
    m_window.Picture2.Click = nullptr;
    m_window.Picture4.Click = nullptr;
}

void FrameButtons::Picture2_Click() {
    if (m_showAbout) m_showAbout();
}

void FrameButtons::Picture4_Click() {
    // The same shutdown as closing the window, run once: the window's own closing event must
    // not run it again on the way out. An error in it is reported and the program still ends.
    int cancel = 0;
    platform::forms::runHandler(QStringLiteral("Form1_Unload"), [&] { m_window.Form_Unload(cancel); });
    m_window.form.UnloadHandler = nullptr;
    if (m_endProgram) m_endProgram();
}

}  // namespace frame
