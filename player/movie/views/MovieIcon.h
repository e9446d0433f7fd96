#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace runtime {
struct Movie;
}

namespace movie {

// One of the movie's icons (drawn in black on transparent) at `size`, painted in `color`; a null
// pixmap when the movie lacks it.
QPixmap movieIcon(const runtime::Movie& movie, const QString& asset, QSize size, const QColor& color);

}  // namespace movie
