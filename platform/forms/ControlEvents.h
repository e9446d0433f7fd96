#pragma once

#include <QObject>

namespace platform::forms {

class Control;

// Turns Qt's mouse events on a control's widget into the control's VB-style events.
// Qt's implicit grab gives the pressed widget every move and the release, which is the
// pointer capture a pressed control holds.
class ControlEvents : public QObject {
public:
    explicit ControlEvents(Control& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Control& m_control;
    bool m_pressedLeft = false;
};

}  // namespace platform::forms
