#pragma once

#include "resources/generator/IndexedImage.h"

#include <QByteArray>

namespace skingen {

// A single-frame GIF89a: global colour table padded to a power of two, a graphic control
// extension naming the transparent index when there is one, and LZW-compressed pixels that
// restart the code table with a clear code whenever it fills. Qt can read GIF but not write it.
// An image with no pixels or more than 256 palette entries gives an empty result.
QByteArray encodeGif(const IndexedImage& image);

}  // namespace skingen
