#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct mpv_handle;
struct mpv_render_context;

namespace runtime {

// Ends libmpv instances on threads of their own. Freeing a render context waits for the video
// output, and an output holding a frame waits up to 200 ms for it to be drawn; on the GUI thread
// that would hold the next file's first frame back. Teardowns still running when this ends are
// waited for.
class MpvTeardowns {
public:
    MpvTeardowns() = default;
    ~MpvTeardowns();
    MpvTeardowns(const MpvTeardowns&) = delete;
    MpvTeardowns& operator=(const MpvTeardowns&) = delete;

    // The instance's callbacks must be cleared first.
    void start(mpv_handle* mpv, mpv_render_context* render);
    // Returns once every teardown started so far has finished.
    void waitAll();

private:
    struct Running {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::mutex m_lock;
    // Finished ones are joined when the next starts, the rest at the end.
    std::vector<Running> m_running;
};

}  // namespace runtime
