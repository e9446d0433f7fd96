#pragma once

#include "frame/WindowFrame.h"
#include "player/Form1.h"
#include "runtime/stream/VideoSurface.h"
#include "support/TestServices.h"

#include <QWidget>

namespace badinput {

// The main window with its frame, assembled as the application does and shown, for loads made
// end to end through GotADrop.
struct PlayingWindow {
    PlayingWindow() {
        form.Form_Load();
        form.form.Show();
    }
    ~PlayingWindow() {
        int cancel = 0;
        form.Form_Unload(cancel);
    }

    // Frames the current player has shown so far.
    qint64 framesShown() const {
        qint64 frames = 0;
        if (form.ctrl && form.ctrl->widget())
            for (const auto* surface : form.ctrl->widget()->findChildren<runtime::VideoSurface*>())
                frames += surface->framesShown();
        return frames;
    }
    QString status() const { return form.status.Caption(); }

    testing::TestWorld world;
    player::Form1 form{world.services()};
    frame::WindowFrame windowFrame{form, frame::FrameSeams{[] {}, [] {}, true}};
};

}  // namespace badinput
