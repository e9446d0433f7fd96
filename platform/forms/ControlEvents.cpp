#include "platform/forms/ControlEvents.h"

#include "platform/forms/Control.h"
#include "platform/forms/ScreenMetrics.h"

#include <QMouseEvent>
#include <QWidget>

namespace platform::forms {
namespace {

int vbButton(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int vbButtons(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int vbShift(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

ControlEvents::ControlEvents(Control& control) : m_control(control) {}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);

    auto* mouse = static_cast<QMouseEvent*>(event);
    const ScreenMetrics& screen = m_control.screen();
    const int border = m_control.borderPixels();
    MouseEvent args;
    args.Shift = vbShift(mouse->modifiers());
    args.X = float(mouse->position().x() - border) * screen.TwipsPerPixelX();
    args.Y = float(mouse->position().y() - border) * screen.TwipsPerPixelY();

    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            args.Button = vbButton(mouse->button());
            if (mouse->button() == Qt::LeftButton) m_pressedLeft = true;
            m_control.dispatchMouse(QStringLiteral("MouseDown"), m_control.MouseDown, args);
            break;
        case QEvent::MouseMove:
            args.Button = vbButtons(mouse->buttons());
            m_control.dispatchMouse(QStringLiteral("MouseMove"), m_control.MouseMove, args);
            break;
        default: {
            args.Button = vbButton(mouse->button());
            const bool click = mouse->button() == Qt::LeftButton && m_pressedLeft;
            if (mouse->button() == Qt::LeftButton) m_pressedLeft = false;
            m_control.dispatchMouse(QStringLiteral("MouseUp"), m_control.MouseUp, args);
            const QWidget* w = m_control.widget();
            if (click && m_control.clicksOnRelease() && w && w->rect().contains(mouse->position().toPoint()))
                m_control.performClick();
            break;
        }
    }
    // Buttons and check boxes keep their own handling of the mouse.
    return false;
}

}  // namespace platform::forms
