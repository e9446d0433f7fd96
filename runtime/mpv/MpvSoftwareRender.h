#pragma once

#include <cstddef>

struct mpv_render_context;

namespace runtime {

// Renders the software render context's current frame into pixels (bgr0 with an opaque padding
// byte, width x height, the given stride); with skip the frame is only taken, not drawn.
bool renderSoftwareFrame(mpv_render_context* render, int width, int height, size_t stride, void* pixels,
                         bool skip);

}  // namespace runtime
