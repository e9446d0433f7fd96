#include "player/movie/captions/TimeExpression.h"

#include <QList>

#include <cmath>

namespace movie {

namespace {

double number(QStringView text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    // toDouble also takes "1e3", "inf" and "nan"; a time is digits with at most one point.
    if (!ok || !std::isfinite(value) || value < 0) return -1;
    for (const QChar c : text) {
        if (!c.isDigit() && c != u'.') return -1;
    }
    return value;
}

double clockTime(const QList<QStringView>& parts, const TimeRates& rates) {
    // "mm:ss.f", "hh:mm:ss.f" or "hh:mm:ss:frames".
    const bool withFrames = parts.size() == 4;
    const qsizetype clockParts = withFrames ? 3 : parts.size();
    double total = 0;
    for (qsizetype i = 0; i < clockParts; ++i) {
        const double part = number(parts.at(i));
        if (part < 0) return -1;
        const bool last = i + 1 == clockParts;
        if (!last && part != std::floor(part)) return -1;
        if (i > 0 && part >= 60) return -1;
        total = total * 60 + part;
    }
    if (withFrames) {
        const double frames = number(parts.at(3));
        if (frames < 0 || rates.frameRate <= 0) return -1;
        total += frames / rates.frameRate;
    }
    return total;
}

}  // namespace

double parseTimeExpression(const QString& text, const TimeRates& rates) {
    const QStringView value = QStringView(text).trimmed();
    if (value.isEmpty()) return -1;
    if (value.contains(u':')) {
        // SubRip habits reach Timed Text files: "00:00:03,503" is meant as "00:00:03.503".
        QString clock = value.toString();
        clock.replace(u',', u'.');
        const QList<QStringView> parts = QStringView(clock).split(u':');
        return parts.size() <= 4 ? clockTime(parts, rates) : -1;
    }
    struct Metric {
        QStringView suffix;
        double seconds = 0;
    };
    // "ms" before "m" and "s", so that the longest suffix wins.
    const Metric metrics[] = {{u"ms", 0.001},
                              {u"h", 3600},
                              {u"m", 60},
                              {u"s", 1},
                              {u"f", rates.frameRate > 0 ? 1 / rates.frameRate : -1},
                              {u"t", rates.tickRate > 0 ? 1 / rates.tickRate : -1}};
    for (const Metric& metric : metrics) {
        if (!value.endsWith(metric.suffix)) continue;
        const double count = number(value.chopped(metric.suffix.size()));
        if (count < 0 || metric.seconds < 0) return -1;
        const double seconds = count * metric.seconds;
        return std::isfinite(seconds) ? seconds : -1;
    }
    return number(value);
}

}  // namespace movie
