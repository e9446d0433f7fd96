#include "runtime/mpv/SoundOutput.h"

#include "logging/LogCategories.h"
#include "runtime/mpv/MpvNames.h"

#include <atomic>

namespace runtime {

bool soundSwitchedOff() {
    return qEnvironmentVariable("QUORVEL_AUDIO_OUTPUT") == QLatin1String(mpvname::kAoNull);
}

void noteSoundOutput(const QString& output) {
    static std::atomic<bool> reported{false};
    if (output != QLatin1String(mpvname::kAoNull) || soundSwitchedOff() || reported.exchange(true)) return;
    qCWarning(quorvel::log::mpv, "no sound device could be opened; playing on without sound");
}

}  // namespace runtime
