#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace platform::forms {

class Form;

// A procedure put in front of a form's own event handling for as long as this object lives: it
// sees every event of the window first, and each event then goes on to the window unchanged.
// An error leaving the procedure is reported and the event still goes on.
class WindowProcedure : public QObject {
public:
    using Procedure = std::function<void(QEvent& event)>;

    WindowProcedure(Form& form, Procedure procedure);
    ~WindowProcedure() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    Procedure m_procedure;
};

}  // namespace platform::forms
