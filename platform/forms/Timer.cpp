#include "platform/forms/Timer.h"

#include "platform/forms/Errors.h"

namespace platform::forms {

Timer::Timer(const QString& name) : m_handlerName(name + QStringLiteral("_Timer")) {
    QObject::connect(&m_timer, &QTimer::timeout, [this] { runHandler(m_handlerName, TimerEvent); });
}

void Timer::setInterval(int milliseconds) {
    m_timer.setInterval(milliseconds);
}

void Timer::setEnabled(bool enabled) {
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

}  // namespace platform::forms
