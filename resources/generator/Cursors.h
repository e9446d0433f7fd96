#pragma once

#include <QImage>
#include <QPoint>

namespace skingen {

// A cursor picture and the pixel that points. The hot spot is also written into the PNG as
// the text keys "HotspotX" and "HotspotY", so whoever makes the cursor can read it back.
struct CursorImage {
    QImage image;
    QPoint hotSpot;
};

// 32 x 32: a black double arrow from top-left to bottom-right, outlined in white; hot spot 16,16.
CursorImage gripCursor();

// 32 x 32: a white pointing hand with a blue cuff, outlined in black; hot spot 12,1, the tip of
// the index finger.
CursorImage handCursor();

}  // namespace skingen
