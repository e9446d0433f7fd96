#pragma once

#include "player/movie/feed/FeedItem.h"

#include <QString>
#include <QVariantMap>

namespace mpris {

// The bus counts time in microseconds.
inline constexpr double kMicrosecondsPerSecond = 1e6;

// The track id of a feed's item; `player` tells apart the players that each load makes, so an
// id taken before a load is stale after it.
QString trackIdOf(quint64 player, int item);

// The Metadata map of an item; `length` in seconds, 0 when not known.
QVariantMap metadataOf(const movie::FeedItem& item, const QString& trackId, double length);
// The Metadata map when nothing is loaded.
QVariantMap noTrackMetadata();

// A feed's file or image as an address: local paths become file: URLs.
QString addressOf(const QString& file);

}  // namespace mpris
