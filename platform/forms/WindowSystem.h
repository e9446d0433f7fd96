#pragma once

namespace platform::forms {

// False where the window system decides where windows go and refuses a program's moves
// (Wayland); true on X11 and the other platforms.
bool windowSystemPlacesWindows();

}  // namespace platform::forms
