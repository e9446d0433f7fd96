#include "runtime/mpv/MpvSpare.h"

#include <QTimer>

#include <future>

namespace runtime {

namespace {

class Spare {
public:
    ~Spare() {
        // An instance still unclaimed at exit is ended, not leaked.
        if (m_next.valid()) {
            MpvInstance left = m_next.get();
            endMpvInstance(left);
        }
    }

    void prepare() {
        m_enabled = true;
        startNext();
    }

    MpvInstance take() {
        MpvInstance instance = m_next.valid() ? m_next.get() : startMpvInstance();
        // The next one starts once the player that took this one is under way, so the two do not
        // compete for the processor while the file opens.
        if (m_enabled) QTimer::singleShot(kNextAfterMs, [this] { startNext(); });
        return instance;
    }

private:
    static constexpr int kNextAfterMs = 250;

    void startNext() {
        if (!m_next.valid()) m_next = std::async(std::launch::async, &startMpvInstance);
    }

    bool m_enabled = false;
    std::future<MpvInstance> m_next;
};

Spare& spare() {
    static Spare one;
    return one;
}

}  // namespace

void prepareSpareMpv() {
    spare().prepare();
}

MpvInstance takeMpvInstance() {
    return spare().take();
}

}  // namespace runtime
