// The two drags of the control bar: seeking on the loaded part and setting the volume. Both
// follow the pointer once a frame and report where the button was released, inside or outside.
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/views/ControlbarView.h"
#include "player/movie/views/controlbar/Clips.h"
#include "runtime/component/Stage.h"

#include <QMouseEvent>

#include <algorithm>

namespace movie {

namespace {
constexpr double kVolumeStart = 12;  // where the slider starts inside "vol"
}

QPointF ControlbarView::clipPointer(QWidget* clip, QObject* watched, const QPointF& position) const {
    return static_cast<QWidget*>(watched)->mapTo(clip, position) / m_layout.scale;
}

bool ControlbarView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_bck && watched != m_vol) return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton && type != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    const bool seek = watched == m_bck;
    const QPointF pointer = clipPointer(seek ? m_scrub : m_vol, watched, mouse->position());
    if (type == QEvent::MouseButtonPress)
        startFollow(seek ? Follow::Seek : Follow::Volume, pointer);
    else if (m_follow == Follow::None)
        return QWidget::eventFilter(watched, event);
    else if (type == QEvent::MouseMove)
        m_pointer = pointer;
    else
        finishFollow(pointer);
    mouse->accept();
    return true;
}

void ControlbarView::startFollow(Follow follow, const QPointF& pointer) {
    disconnect(m_frameTicks);
    m_follow = follow;
    m_pointer = pointer;
    m_frameTicks = connect(&m_context.stage, &runtime::Stage::enterFrame, this, &ControlbarView::followFrame);
}

void ControlbarView::followFrame() {
    if (m_follow == Follow::Seek) {
        const double left = m_layout.bck.x;
        if (m_pointer.x() >= left && m_pointer.x() <= left + m_loadedWidth) {
            m_knobX = m_pointer.x() - 1;
            placeProgress();
        }
    } else if (m_follow == Follow::Volume) {
        m_maskWidth = std::clamp(m_pointer.x() - kVolumeStart, 0.0, 20.0);
        showVolumeMask();
    }
}

void ControlbarView::finishFollow(const QPointF& pointer) {
    disconnect(m_frameTicks);
    const Follow follow = m_follow;
    m_follow = Follow::None;
    if (follow == Follow::Seek) {
        const double widths = m_layout.barWidths;
        const double seconds =
            widths > 0 ? flashRound((pointer.x() - m_layout.bar.x) / widths * m_itemLength) : 0;
        // A release beyond either end of the bar means its start or its end.
        m_context.requests.send(Request::Scrub, std::clamp(seconds, 0.0, m_itemLength));
    } else if (follow == Follow::Volume) {
        const double volume = flashRound((pointer.x() - kVolumeStart) * 5);
        m_context.requests.send(Request::Volume, int(std::clamp(volume, 0.0, 100.0)));
    }
}

}  // namespace movie
