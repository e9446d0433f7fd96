#include "runtime/stream/SoundLevels.h"

#include "runtime/mpv/MpvNames.h"

#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

// The filter meters at most this many channels; more would not fit as bars anyway.
constexpr int kMaxChannels = 8;

double levelFromDb(const QVariant& value) {
    bool ok = false;
    const double db = value.toString().toDouble(&ok);
    if (!ok || !std::isfinite(db)) return 0;
    return std::clamp((db - kLevelFloorDb) / -kLevelFloorDb, 0.0, 1.0);
}

QString channelKey(int channel, const char* what) {
    return QLatin1String(mpvname::kLevelKeyPrefix) + QString::number(channel) + QLatin1String(what);
}

}  // namespace

QList<double> soundLevelsFromMetadata(const QVariantMap& metadata) {
    QList<double> levels;
    for (int channel = 1; channel <= kMaxChannels; ++channel) {
        const auto rms = metadata.constFind(channelKey(channel, mpvname::kLevelKeyRms));
        if (rms == metadata.constEnd()) break;
        levels.append(levelFromDb(*rms));
        levels.append(levelFromDb(metadata.value(channelKey(channel, mpvname::kLevelKeyPeak))));
    }
    return levels;
}

}  // namespace runtime
