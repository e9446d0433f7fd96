#pragma once

namespace player {
class Form1;
}

namespace intake {

// The Open button of the main window: the system's Open dialog through the form's dlg, and the
// chosen file loaded like any other.
class OpenFileDialog {
public:
    explicit OpenFileDialog(player::Form1& mainForm) : m_mainForm(mainForm) {}

    void OpenFile_Click();

private:
    player::Form1& m_mainForm;
};

}  // namespace intake
