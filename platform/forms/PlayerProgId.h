#pragma once

#include <QString>

namespace platform::forms {

// The ProgID the player component is registered under and the main window creates it by.
inline const QString kPlayerProgId = QStringLiteral("ShockwaveFlash.ShockwaveFlash");

}  // namespace platform::forms
