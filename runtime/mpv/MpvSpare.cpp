#include "runtime/mpv/MpvSpare.h"

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
        if (!m_next.valid()) m_next = std::async(std::launch::async, &startMpvInstance);
    }

    MpvInstance take() {
        MpvInstance instance = m_next.valid() ? m_next.get() : startMpvInstance();
        if (m_enabled) m_next = std::async(std::launch::async, &startMpvInstance);
        return instance;
    }

private:
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
