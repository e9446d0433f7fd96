#include "player/VbConversions.h"

#include <cmath>
#include <stdexcept>

namespace player {

double leadingNumber(const QString& text) {
    QString compact;
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t')) compact += c;
    qsizetype end = 0;
    auto digits = [&] {
        const qsizetype start = end;
        while (end < compact.size() && compact.at(end).isDigit() && compact.at(end).unicode() < 128) ++end;
        return end > start;
    };
    if (end < compact.size() && (compact.at(end) == QLatin1Char('+') || compact.at(end) == QLatin1Char('-')))
        ++end;
    bool any = digits();
    if (end < compact.size() && compact.at(end) == QLatin1Char('.')) {
        ++end;
        any = digits() || any;
    }
    if (!any) return 0;
    qsizetype mantissaEnd = end;
    if (end < compact.size() &&
        (compact.at(end) == QLatin1Char('e') || compact.at(end) == QLatin1Char('E'))) {
        ++end;
        if (end < compact.size() &&
            (compact.at(end) == QLatin1Char('+') || compact.at(end) == QLatin1Char('-')))
            ++end;
        if (digits()) mantissaEnd = end;
    }
    return compact.left(mantissaEnd).toDouble();
}

int toInteger16(double value) {
    const double rounded = std::nearbyint(value);  // the default rounding mode is half to even
    if (!std::isfinite(rounded) || rounded < -32768 || rounded > 32767) throw std::range_error("overflow");
    return int(rounded);
}

}  // namespace player
