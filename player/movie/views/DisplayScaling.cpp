#include "player/movie/views/DisplayScaling.h"

#include <algorithm>

namespace movie {

QRectF scalePicture(const QString& overstretch, QSizeF picture, QSizeF area) {
    QSizeF scaled = picture;
    if (picture.width() > 0 && picture.height() > 0) {
        const double x = area.width() / picture.width();
        const double y = area.height() / picture.height();
        if (overstretch == QLatin1String("false"))
            scaled = picture * std::min(x, y);
        else if (overstretch == QLatin1String("true"))
            scaled = picture * std::max(x, y);
        else if (overstretch == QLatin1String("fit"))
            scaled = area;
        else if (overstretch != QLatin1String("none"))
            scaled = picture * y;
    }
    return {area.width() / 2 - scaled.width() / 2, area.height() / 2 - scaled.height() / 2, scaled.width(),
            scaled.height()};
}

}  // namespace movie
