#pragma once

#include <QString>

namespace movie {

// Minutes and seconds as the bar writes them: "01:05"; minutes keep growing past 99 ("100:00").
// Negative, infinite or undefined times read as 0.
QString clockText(double seconds);

// The load percentage shown in place of the remaining time: "42 %".
QString loadText(double percent);

}  // namespace movie
