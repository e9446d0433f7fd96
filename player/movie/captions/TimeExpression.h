#pragma once

#include <QString>

namespace movie {

// Rates that turn frame and tick counts into seconds (ttp:frameRate, ttp:tickRate).
struct TimeRates {
    double frameRate = 30;
    double tickRate = 1;
};

// Seconds for a Timed Text time expression, or -1 when it is not one (see parseTimedText).
double parseTimeExpression(const QString& text, const TimeRates& rates);

}  // namespace movie
