#pragma once

#include "runtime/mpv/MpvInstance.h"

#include <QObject>

#include <future>

namespace runtime {

// Keeps one instance made ahead on a thread of its own, so that a new player does not wait for
// libmpv to start. For the GUI thread.
class MpvSpare {
public:
    MpvSpare() = default;
    ~MpvSpare();
    MpvSpare(const MpvSpare&) = delete;
    MpvSpare& operator=(const MpvSpare&) = delete;

    // Called once the C numeric locale is in force; until then, and without it, every instance
    // is made on the spot.
    void prepare();
    // The spare instance (waiting for it if it is still starting) or a new one; then the next
    // spare is started.
    MpvInstance take();

private:
    void startNext();

    bool m_enabled = false;
    std::future<MpvInstance> m_next;
    // Ends with the spare, and so does any start of the next one still pending.
    QObject m_pendingStarts;
};

}  // namespace runtime
