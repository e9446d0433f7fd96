#include "runtime/mpv/MpvSoftwareRender.h"

#include "runtime/mpv/MpvNames.h"
#include "runtime/mpv/OpaquePixels.h"

#include <mpv/render.h>

#include <cstring>

namespace runtime {

bool renderSoftwareFrame(mpv_render_context* render, int width, int height, size_t stride, void* pixels,
                         bool skip) {
    int size[2] = {width, height};
    char format[8] = {};
    std::strncpy(format, mpvname::kSwFormat, sizeof format - 1);
    int skipRendering = skip ? 1 : 0;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, size},
                                 {MPV_RENDER_PARAM_SW_FORMAT, format},
                                 {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                 {MPV_RENDER_PARAM_SW_POINTER, pixels},
                                 {MPV_RENDER_PARAM_SKIP_RENDERING, &skipRendering},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_render(render, params) < 0) return false;
    if (!skip) makeOpaque(pixels, width, height, stride);
    return true;
}

}  // namespace runtime
