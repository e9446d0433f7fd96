#include "frame/ScreenArithmetic.h"

#include "player/VbConversions.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace frame {

std::int32_t toLong(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = fraction > 0.5 ? lower + 1 : lower;
    if (fraction == 0.5 && std::fmod(lower, 2.0) != 0) rounded = lower + 1;
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw std::range_error("value does not fit in 32 bits");
    return static_cast<std::int32_t>(rounded);
}

int screenPixels(float twips, float twipsPerPixel) {
    const std::int32_t whole = toLong(twips);
    const std::int32_t perPixel = toLong(twipsPerPixel);
    if (perPixel <= 0) throw std::domain_error("screen resolution is not positive");
    // Whole pixels: the division truncates.
    const std::int32_t pixels = whole / perPixel;
    return player::toInteger16(pixels);
}

}  // namespace frame
