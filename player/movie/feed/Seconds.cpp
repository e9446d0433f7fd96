#include "player/movie/feed/Seconds.h"

#include <QStringList>

#include <cmath>

namespace movie {

namespace {

double plainNumber(QStringView text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0) return -1;
    return value;
}

}  // namespace

double parseSeconds(const QString& text) {
    QStringView value = QStringView(text).trimmed();
    if (value.endsWith(u's')) value.chop(1);
    if (value.isEmpty()) return -1;
    const QList<QStringView> parts = value.split(u':');
    if (parts.size() > 3) return -1;
    double total = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const double part = plainNumber(parts.at(i));
        // Hours and minutes are whole; minutes and seconds after a colon stay below 60.
        if (part < 0) return -1;
        if (i + 1 < parts.size() && part != std::floor(part)) return -1;
        if (i > 0 && part >= 60) return -1;
        total = total * 60 + part;
    }
    return std::isfinite(total) ? total : -1;
}

}  // namespace movie
