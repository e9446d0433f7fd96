#include "player/movie/views/controlbar/ControlbarFader.h"

#include "runtime/component/Stage.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QWidget>
#include <QWindow>

namespace movie {

ControlbarFader::ControlbarFader(QWidget* bar, runtime::Stage& stage)
    : QObject(bar),
      m_bar(bar),
      m_stage(stage),
      m_effect(new QGraphicsOpacityEffect(bar)),
      m_animation(new QPropertyAnimation(m_effect, "opacity", this)) {
    m_bar->setGraphicsEffect(m_effect);
    m_animation->setDuration(kFadeMs);
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(kHideDelayMs);
    connect(&m_hideTimer, &QTimer::timeout, this, [this] { fadeTo(0); });
    // An opaque bar is drawn directly; the effect only costs while the bar is see-through.
    connect(m_animation, &QPropertyAnimation::finished, this,
            [this] { m_effect->setEnabled(m_effect->opacity() < 1); });
}

double ControlbarFader::opacity() const {
    return m_effect->isEnabled() ? m_effect->opacity() : 1.0;
}

void ControlbarFader::reset(double opacity, bool overDisplay, double displayWidth) {
    m_hideTimer.stop();
    m_animation->stop();
    m_effect->setOpacity(opacity);
    m_effect->setEnabled(opacity < 1);
    m_target = opacity;
    m_overDisplay = overDisplay;
    m_displayWidth = displayWidth;
    if (overDisplay) watchWindow();
}

void ControlbarFader::fadeTo(double target) {
    m_hideTimer.stop();
    m_animation->stop();
    m_target = target;
    m_effect->setEnabled(true);
    m_animation->setStartValue(m_effect->opacity());
    m_animation->setEndValue(target);
    m_animation->start();
}

void ControlbarFader::pointerMoved(const QPointF& stagePos) {
    const bool fullScreen = m_stage.displayState() == runtime::DisplayState::FullScreen;
    if (!m_overDisplay || fullScreen || stagePos.x() >= m_displayWidth) return;
    if (m_target < 1) fadeTo(1);
    m_hideTimer.stop();
    const QPointF onBar = m_stage.root() ? m_bar->mapFrom(m_stage.root(), stagePos) : stagePos;
    if (!QRectF(m_bar->rect()).contains(onBar)) m_hideTimer.start();
}

void ControlbarFader::watchWindow() {
    if (!m_stage.root()) return;
    QWidget* topLevel = m_stage.root()->window();
    if (topLevel != m_topLevel) {
        if (m_topLevel) m_topLevel->removeEventFilter(this);
        m_topLevel = topLevel;
        // The window's handle appears when it is first shown.
        m_topLevel->installEventFilter(this);
    }
    QWindow* window = topLevel->windowHandle();
    if (window == m_window) return;
    if (m_window) m_window->removeEventFilter(this);
    m_window = window;
    if (m_window) m_window->installEventFilter(this);
}

bool ControlbarFader::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_topLevel && event->type() == QEvent::Show) {
        watchWindow();
    } else if (watched == m_window && event->type() == QEvent::MouseMove && m_stage.root() && m_topLevel) {
        const auto* move = static_cast<QMouseEvent*>(event);
        pointerMoved(m_stage.root()->mapFrom(m_topLevel, move->position()));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace movie
