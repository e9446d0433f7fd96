#pragma once

#include "runtime/stream/StreamStatus.h"

#include <QColor>
#include <QLabel>

namespace movie {

// A short line in the display saying why nothing plays, where the picture would be; it lets
// clicks through to the display.
class DisplayMessage : public QLabel {
    Q_OBJECT
public:
    DisplayMessage(const QColor& color, QWidget* display);

    void showFor(runtime::NotFound why);
    // Across the display, under its centre, where the play icon leaves room.
    void place(int iconHeight);
};

}  // namespace movie
