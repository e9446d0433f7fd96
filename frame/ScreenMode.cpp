#include "frame/ScreenMode.h"

#include "platform/forms/Errors.h"
#include "player/Form1.h"
#include "player/WindowFigures.h"

namespace frame {

using platform::forms::skipOnError;

bool playerCoversWindow(const player::Form1& window, const ScreenMode& mode) {
    return mode.fullScreen && window.ctrl && window.ctrl->Top() == 0;
}

void fitPlayer(player::Form1& window, const ScreenMode& mode) {
    if (!window.ctrl) return;  // start-up: no player control yet
    const float band =
        playerCoversWindow(window, mode) ? 0 : window.Picture3.Height() + player::figures::kTopBand;
    skipOnError([&] { window.playerControl().setHeight(window.form.Height() - band); });
    skipOnError([&] { window.playerControl().setWidth(window.form.Width()); });
}

}  // namespace frame
