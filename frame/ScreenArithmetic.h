#pragma once

#include <cstdint>

namespace frame {

// Rounds half to even into a 32-bit integer; throws std::range_error when it does not fit.
std::int32_t toLong(double value);

// The screen's extent in whole pixels: twips and twips per pixel each rounded half to even,
// then divided with the quotient truncated. Throws std::range_error when the result does not
// fit in 16 bits and std::domain_error when the resolution does not round to a positive number.
int screenPixels(float twips, float twipsPerPixel);

}  // namespace frame
