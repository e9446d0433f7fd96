#include "platform/forms/WindowSystem.h"

#include <QGuiApplication>

namespace platform::forms {

bool windowSystemPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace platform::forms
