#include "player/movie/views/controlbar/ConfigColor.h"

#include "player/movie/core/Config.h"

namespace movie {

QColor colorFromText(const QString& text) {
    const QString value = text.trimmed();
    bool ok = false;
    qulonglong rgb = 0;
    if (value.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        rgb = value.mid(2).toULongLong(&ok, 16);
    else if (value.startsWith(QLatin1Char('#')))
        rgb = value.mid(1).toULongLong(&ok, 16);
    else {
        const double number = value.toDouble(&ok);
        ok = ok && number >= 0 && number < 4294967296.0;
        if (ok) rgb = qulonglong(number);
    }
    if (!ok) return QColor(Qt::black);
    return QColor::fromRgb(QRgb(rgb & 0xFFFFFFu)).toRgb();
}

QColor configColor(const Config& config, const QString& key) {
    return colorFromText(config.text(key));
}

}  // namespace movie
