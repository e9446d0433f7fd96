#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

namespace movie {

// Where a picture of native size `picture` goes in a display area of `area`, by the
// "overstretch" rule ("false" fits inside, "true" fills and is cut, "none" keeps its size, "fit"
// stretches, anything else scales to the height), centred on the area.
QRectF scalePicture(const QString& overstretch, QSizeF picture, QSizeF area);

}  // namespace movie
