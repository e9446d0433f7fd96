#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

namespace skingen {

// A picture reduced to a palette: what GIF and the 256-colour icon need.
struct IndexedImage {
    QSize size;
    QList<QRgb> palette;        // opaque colours, plus the transparent entry when there is one
    int transparentIndex = -1;  // -1 when every pixel is opaque
    QByteArray indices;         // one palette index per pixel, rows top to bottom

    QImage toImage() const;  // Format_Indexed8 with the same palette
};

// Reduces an ARGB picture to at most maxColours entries (transparent entry included), by median
// cut over the opaque colours. Pixels less than half opaque become the transparent entry; a
// picture that already has few enough colours keeps them exactly.
IndexedImage quantize(const QImage& image, int maxColours);

}  // namespace skingen
