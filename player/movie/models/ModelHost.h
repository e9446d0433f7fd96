#pragma once

#include "runtime/stream/Stream.h"

#include <QString>

#include <functional>

namespace movie {

// What the models need around them: streams to play on and the host notifications.
struct ModelHost {
    runtime::StreamFactory createStream;
    std::function<void(const QString& command)> fscommand;
};

}  // namespace movie
