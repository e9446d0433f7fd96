#include "player/movie/views/controlbar/ClockText.h"

#include "player/movie/views/controlbar/ControlbarLayout.h"

#include <cmath>

namespace movie {

static QString twoDigits(double value) {
    const QString digits = QString::number(value, 'f', 0);
    return value < 10 ? QLatin1Char('0') + digits : digits;
}

QString clockText(double seconds) {
    const double t = std::isfinite(seconds) && seconds > 0 ? seconds : 0;
    return twoDigits(std::floor(t / 60)) + QLatin1Char(':') + twoDigits(std::floor(std::fmod(t, 60)));
}

QString loadText(double percent) {
    const double p = std::isfinite(percent) ? percent : 0;
    return QString::number(flashRound(p), 'f', 0) + QStringLiteral(" %");
}

}  // namespace movie
