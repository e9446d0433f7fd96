#include "intake/OpenFileDialog.h"

#include "player/Form1.h"

namespace intake {

namespace {
constexpr long kOfnExplorer = 0x80000;
}

void OpenFileDialog::OpenFile_Click() {
    auto& dlg = m_mainForm.dlg;
    dlg.DefaultExt = QStringLiteral("flv");
    dlg.Filter = QStringLiteral("Fichier vidéo Flash (*.flv)|*.flv");
    dlg.Flags = kOfnExplorer;
    dlg.ShowOpen();
    // No name means the user cancelled: what plays goes on.
    if (dlg.FileName.isEmpty()) return;
    m_mainForm.currentflv = dlg.FileName;
    m_mainForm.GotADrop(m_mainForm.currentflv);
}

}  // namespace intake
