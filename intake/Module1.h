#pragma once

#include "platform/forms/DroppedFiles.h"
#include "platform/forms/WindowProcedure.h"

#include <memory>

class QEvent;
class QMimeData;

namespace platform::forms {
class Form;
}
namespace player {
class Form1;
}

namespace intake {

// Files dropped on the main window: the window accepts drops of local files, and a procedure in
// front of its event handling hands the first dropped file to the main form's GotADrop before
// the drop goes on to the window.
class Module1 {
public:
    explicit Module1(player::Form1& mainForm);

    // Start-up: acceptance first, then the hook.
    void EnableFileDrop(platform::forms::Form& form);
    // Shutdown: acceptance off first, then the hook removed.
    void DisableFileDrop(platform::forms::Form& form);
    void Hook(platform::forms::Form& form);
    // Does nothing when no hook is in place.
    void Unhook(platform::forms::Form& form);
    bool isHooked() const { return m_prevWndProc != nullptr; }

    // Sees every event of the hooked window before the window does; changes none of them.
    void WindowProc(QEvent& event);
    // Loads the first local file of the drop; a drop without one loads nothing.
    void DropFiles(const QMimeData& drop);

private:
    player::Form1& m_mainForm;
    platform::forms::DroppedFileNames m_names;
    std::unique_ptr<platform::forms::WindowProcedure> m_prevWndProc;
};

}  // namespace intake
