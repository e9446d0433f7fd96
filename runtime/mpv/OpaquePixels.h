#pragma once

#include <cstddef>

namespace runtime {

// Sets the padding byte of each bgr0 pixel to 0xFF. libmpv leaves it as it likes (mostly 0), but
// the frame is shown as QImage::Format_RGB32, which promises 0xFF there: a Wayland compositor
// takes the byte for alpha and blends the picture with what lies behind the window.
void makeOpaque(void* pixels, int width, int height, size_t stride);

}  // namespace runtime
