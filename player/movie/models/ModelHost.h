#pragma once

#include "runtime/stream/Stream.h"

#include <QString>

#include <functional>
#include <memory>

namespace movie {

// What the models need from the player component: streams and the host notifications.
struct ModelHost {
    std::function<std::unique_ptr<runtime::Stream>()> createStream;
    std::function<void(const QString& command)> fscommand;
};

}  // namespace movie
