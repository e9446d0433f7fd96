#pragma once

#include <QString>

namespace runtime {

// True when the environment asks for no sound at all (QUORVEL_AUDIO_OUTPUT=null, as the tests do).
bool soundSwitchedOff();

// Told which audio output libmpv opened. When the system's could not be opened libmpv goes on
// with its null output, so time advances without sound; the user hears of it once per process.
void noteSoundOutput(const QString& output);

}  // namespace runtime
