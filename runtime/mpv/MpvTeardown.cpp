#include "runtime/mpv/MpvTeardown.h"

#include "runtime/mpv/MpvSoftwareRender.h"

#include <mpv/client.h>
#include <mpv/render.h>

#include <malloc.h>

namespace runtime {

namespace {

void tearDown(mpv_handle* mpv, mpv_render_context* render) {
    if (render) {
        // Take a pending frame without drawing it, so the output need not wait for it.
        mpv_render_context_update(render);
        alignas(64) unsigned char pixel[64] = {};
        renderSoftwareFrame(render, 1, 1, sizeof pixel, pixel, true);
        mpv_render_context_free(render);
    }
    mpv_terminate_destroy(mpv);
    // What the instance freed lies between chunks still in use: give those pages back.
    malloc_trim(0);
}

}  // namespace

MpvTeardowns::~MpvTeardowns() {
    waitAll();
}

void MpvTeardowns::start(mpv_handle* mpv, mpv_render_context* render) {
    const std::lock_guard<std::mutex> lock(m_lock);
    std::erase_if(m_running, [](Running& running) {
        if (!running.done->load()) return false;
        running.thread.join();
        return true;
    });
    auto done = std::make_shared<std::atomic<bool>>(false);
    m_running.push_back({std::thread([mpv, render, done] {
                             tearDown(mpv, render);
                             done->store(true);
                         }),
                         done});
}

void MpvTeardowns::waitAll() {
    std::vector<Running> running;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        running.swap(m_running);
    }
    for (Running& one : running) one.thread.join();
}

}  // namespace runtime
