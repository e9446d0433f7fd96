#include "resources/generator/Cursors.h"

#include <QString>

#include <array>
#include <cstdlib>
#include <string_view>

namespace skingen {
namespace {

constexpr int kCursorSize = 32;

void recordHotSpot(CursorImage& cursor) {
    cursor.image.setText(QStringLiteral("HotspotX"), QString::number(cursor.hotSpot.x()));
    cursor.image.setText(QStringLiteral("HotspotY"), QString::number(cursor.hotSpot.y()));
}

// The arrow as a pixel set: two right-angled heads whose legs run along the rows and columns,
// joined by a diagonal shaft, symmetric about the centre pixel.
bool onArrow(int x, int y) {
    constexpr int centre = 16;
    constexpr int reach = 10;  // from the centre to each head's corner
    constexpr int head = 7;    // length of a head's legs
    constexpr int a = centre - reach;
    constexpr int b = centre + reach;
    if (x >= a && y >= a && (x - a) + (y - a) <= head) return true;
    if (x <= b && y <= b && (b - x) + (b - y) <= head) return true;
    return std::abs(x - y) <= 1 && x >= a && x <= b;
}

// Hand rows: K black, W white, B cuff blue, L the cuff's lighter band, '.' transparent.
constexpr std::array<const char*, kCursorSize> kHand = {
    "................................", "...........KKK..................",
    "..........KWWWK.................", "..........KWWWK.................",
    "..........KWWWK.................", "..........KWWWK.................",
    "..........KWWWK.................", "..........KWWWKKKK..............",
    "..........KWWWKWWWKKKK..........", "..........KWWWKWWWKWWWKKK.......",
    "..........KWWWKWWWKWWWKWWK......", "..........KWWWKWWWKWWWKWWK......",
    "...KKK....KWWWKWWWKWWWKWWK......", "..KWWWK...KWWWWWWWWWWWWWWK......",
    "..KWWWWK..KWWWWWWWWWWWWWWK......", "...KWWWWK.KWWWWWWWWWWWWWWK......",
    "....KWWWWKKWWWWWWWWWWWWWWK......", ".....KWWWWWWWWWWWWWWWWWWWK......",
    "......KWWWWWWWWWWWWWWWWWWK......", ".......KWWWWWWWWWWWWWWWWWK......",
    "........KWWWWWWWWWWWWWWWK.......", ".........KWWWWWWWWWWWWWK........",
    "..........KWWWWWWWWWWWK.........", "..........KKKKKKKKKKKKK.........",
    "..........KLLLLLLLLLLLK.........", "..........KBBBBBBBBBBBK.........",
    "..........KBBBBBBBBBBBK.........", "..........KKKKKKKKKKKKK.........",
    "................................", "................................",
    "................................", "................................",
};

constexpr bool handRowsComplete() {
    for (std::string_view row : kHand) {
        if (row.size() != kCursorSize) return false;
    }
    return true;
}
static_assert(handRowsComplete(), "every row of the hand must be 32 pixels");

QRgb handColour(char code) {
    switch (code) {
        case 'K':
            return qRgb(0, 0, 0);
        case 'W':
            return qRgb(255, 255, 255);
        case 'B':
            return qRgb(0, 0, 192);
        case 'L':
            return qRgb(64, 96, 255);
        default:
            return qRgba(0, 0, 0, 0);
    }
}

}  // namespace

CursorImage gripCursor() {
    CursorImage cursor{QImage(kCursorSize, kCursorSize, QImage::Format_ARGB32), QPoint(16, 16)};
    cursor.image.fill(Qt::transparent);
    for (int y = 0; y < kCursorSize; ++y) {
        for (int x = 0; x < kCursorSize; ++x) {
            if (onArrow(x, y)) {
                cursor.image.setPixel(x, y, qRgb(0, 0, 0));
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) touches = onArrow(x + dx, y + dy);
            }
            if (touches) cursor.image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    recordHotSpot(cursor);
    return cursor;
}

CursorImage handCursor() {
    CursorImage cursor{QImage(kCursorSize, kCursorSize, QImage::Format_ARGB32), QPoint(12, 1)};
    for (int y = 0; y < kCursorSize; ++y) {
        for (int x = 0; x < kCursorSize; ++x) cursor.image.setPixel(x, y, handColour(kHand[size_t(y)][x]));
    }
    recordHotSpot(cursor);
    return cursor;
}

}  // namespace skingen
