#pragma once

// Where a user points at Quorvel's controls, given its window on the screen: from the right or
// bottom edge where the layout keeps them there.
#include "support/DesktopSession.h"

#include <QRect>
#include <QSize>

namespace window_points {

// The window after a load: the 320 x 260 player, the 25-pixel band above it and the bottom bar.
inline const QSize kLoadedSize(320, 334);

inline QPoint titleStrip(const QRect& w) {
    return w.topLeft() + QPoint(6, 12);
}
inline QPoint picture(const QRect& w) {
    return QPoint(w.center().x(), w.top() + 25 + 100);
}
inline QPoint grip(const QRect& w) {
    return w.bottomRight() - QPoint(8, 8);
}
// The window once the grip was dragged to the pointer: the grip's corner follows the pointer.
inline QRect resizedByGrip(const QRect& w, QPoint pointer) {
    constexpr int kGripExtent = 31;  // from the grip's inner corner to the window's
    return QRect(w.topLeft(), pointer + QPoint(kGripExtent, kGripExtent));
}
// Whether a drag of the title strip moved the window as far as the pointer went: window systems
// follow the pointer from the press or from the first move after it (DesktopSession::kDragStart).
inline bool movedBy(const QRect& before, const QRect& after, QPoint by) {
    const QPoint moved = after.topLeft() - before.topLeft();
    constexpr QPoint slack = testing::DesktopSession::kDragStart;
    return after.size() == before.size() && qAbs(moved.x() - by.x()) <= slack.x() &&
           qAbs(moved.y() - by.y()) <= slack.y();
}
inline QPoint aboutButton(const QRect& w) {
    return QPoint(w.right() - 36, w.top() + 11);
}
inline QPoint quitButton(const QRect& w) {
    return QPoint(w.right() - 11, w.top() + 12);
}
inline QPoint openButton(const QRect& w) {
    return QPoint(w.left() + 34, w.bottom() - 30);
}
inline QPoint fullScreenButton(const QRect& w) {
    return QPoint(w.left() + 100, w.bottom() - 30);
}
inline QPoint associateBox(const QRect& w) {
    return QPoint(w.left() + 178, w.bottom() - 7);
}
inline QPoint restoreButton(const QRect& w) {
    return QPoint(w.right() - 50, w.top() + 11);
}

}  // namespace window_points
