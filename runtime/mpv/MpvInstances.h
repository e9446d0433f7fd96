#pragma once

#include "runtime/mpv/MpvSpare.h"
#include "runtime/mpv/MpvTeardown.h"

namespace runtime {

// Where the runtime's libmpv instances come from and where they go. The program owns one for as
// long as it plays; every core is given it and must be gone before it.
struct MpvInstances {
    MpvTeardowns teardowns;
    MpvSpare spare;
};

}  // namespace runtime
