#include "runtime/mpv/OpaquePixels.h"

#include <cstdint>

namespace runtime {

void makeOpaque(void* pixels, int width, int height, size_t stride) {
    constexpr std::uint32_t kPaddingByte = 0xFF000000u;  // the fourth byte, little-endian
    // Blocks of a fixed length, so the compiler's cheapest vectorising still takes the loop.
    constexpr int kBlock = 16;
    auto* bytes = static_cast<unsigned char*>(pixels);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bytes + size_t(y) * stride);
        int x = 0;
        for (; x + kBlock <= width; x += kBlock)
            for (int i = 0; i < kBlock; ++i) row[x + i] |= kPaddingByte;
        for (; x < width; ++x) row[x] |= kPaddingByte;
    }
}

}  // namespace runtime
