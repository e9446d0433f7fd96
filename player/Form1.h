#pragma once

#include "platform/forms/CheckBox.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/ExtenderControl.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "player/Form1Services.h"

#include <QString>

#include <functional>

namespace player {

// The run-time player control's name among the window's controls.
inline const QString kPlayerControlName = QStringLiteral("flashplayer");

// Quorvel's main window: its controls as composed, start-up and shutdown, and the loading of
// a file into a fresh player control.
class Form1 {
public:
    explicit Form1(const Form1Services& services);

    void Form_Load();
    void Form_Unload(int& cancel);
    void GotADrop(const QString& flvfile);
    void extractress(int ress, const QString& nom_fich);
    void ctrl_FSCommand(const platform::forms::EventInfo& event);
    QString GetCommandOption(const QString& option) const;

    // Raised at the end of every GotADrop, once the window shows the new player.
    std::function<void()> FileLoaded;
    // Switched on at start-up and off at shutdown by the drop intake.
    std::function<void(platform::forms::Form&)> EnableFileDrop;
    std::function<void(platform::forms::Form&)> DisableFileDrop;

    const Form1Services& services() const { return m_services; }

    platform::forms::Form form;
    // Listed from the back of the window to the front.
    platform::forms::PictureBox& Picture1;
    platform::forms::Label& LabelTitre;
    platform::forms::Label& status;
    platform::forms::PictureBox& Picture2;
    platform::forms::PictureBox& Picture3;
    platform::forms::Label& Label1;
    platform::forms::PictureBox& OpenFile;
    platform::forms::PictureBox& fullscreen;
    platform::forms::CheckBox& Check1;
    platform::forms::PictureBox& resizepic;
    platform::forms::Timer& Timer1;
    platform::forms::PictureBox& Picture4;
    platform::forms::CommonDialog dlg;
    platform::forms::PictureBox& restorepic;
    platform::forms::PictureBox& dragpic;
    platform::forms::Label& draglabel;

    // The player control made at run time, replaced at every load; null while none could be made.
    platform::forms::ExtenderControl* ctrl = nullptr;
    // The way statements reach `ctrl`: raises the skippable ObjectNotSetError when there is none.
    platform::forms::ExtenderControl& playerControl() const;
    QString swffile;
    QString currentflv;

private:
    void createPlayer();
    void drawMovieFileName();

    Form1Services m_services;
};

}  // namespace player
