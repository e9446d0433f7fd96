#pragma once

#include <QString>
#include <QTimer>

#include <functional>

namespace platform::forms {

// A form's timer: raises Timer every Interval milliseconds while Enabled.
class Timer {
public:
    explicit Timer(const QString& name);
    void setInterval(int milliseconds);
    int Interval() const { return m_timer.interval(); }
    void setEnabled(bool enabled);
    bool Enabled() const { return m_timer.isActive(); }

    std::function<void()> TimerEvent;

private:
    // Named once: the handler runs many times a second for the life of the window.
    QString m_handlerName;
    QTimer m_timer;
};

}  // namespace platform::forms
