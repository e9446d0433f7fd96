#include "runtime/mpv/MpvSpare.h"

#include <QTimer>

namespace runtime {

namespace {
// The next one starts once the player that took this one is under way, so the two do not
// compete for the processor while the file opens.
constexpr int kNextAfterMs = 250;
}  // namespace

MpvSpare::~MpvSpare() {
    // An instance still unclaimed at the end is ended, not leaked.
    if (m_next.valid()) {
        MpvInstance left = m_next.get();
        endMpvInstance(left);
    }
}

void MpvSpare::prepare() {
    m_enabled = true;
    startNext();
}

MpvInstance MpvSpare::take() {
    MpvInstance instance = m_next.valid() ? m_next.get() : startMpvInstance();
    if (m_enabled) QTimer::singleShot(kNextAfterMs, &m_pendingStarts, [this] { startNext(); });
    return instance;
}

void MpvSpare::startNext() {
    if (!m_next.valid()) m_next = std::async(std::launch::async, &startMpvInstance);
}

}  // namespace runtime
