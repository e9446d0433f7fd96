#pragma once

#include <QList>
#include <QVariantMap>

namespace runtime {

// The levels a stream reports, from what the level meter filter wrote for the last sound frame
// (keys like "lavfi.astats.1.RMS_level", values in dB as text): for each channel its RMS level,
// then its peak level, each mapped from kLevelFloorDb..0 dB onto 0..1. Silence ("-inf") and
// anything unreadable give 0.
inline constexpr double kLevelFloorDb = -60.0;
QList<double> soundLevelsFromMetadata(const QVariantMap& metadata);

}  // namespace runtime
