#pragma once

#include <QString>

#include <functional>

namespace mpris {

// What the bus may ask of the main window, given by the application.
struct MprisActions {
    std::function<void()> quit;                     // what the Quit button does
    std::function<void()> raise;                    // show and activate the window
    std::function<void(const QString& path)> load;  // the window's one load operation
};

}  // namespace mpris
