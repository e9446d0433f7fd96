#pragma once

#include "runtime/mpv/MpvInstance.h"

namespace runtime {

// Keeps one instance made ahead on a thread of its own, so that a new player does not wait for
// libmpv to start. Called once the C numeric locale is in force; until then, and without it,
// every instance is made on the spot.
void prepareSpareMpv();

// The spare instance (waiting for it if it is still starting) or a new one; then the next spare
// is started. For the GUI thread.
MpvInstance takeMpvInstance();

}  // namespace runtime
