#include "platform/forms/WindowProcedure.h"

#include "platform/forms/Errors.h"
#include "platform/forms/Form.h"

#include <QWidget>

namespace platform::forms {

WindowProcedure::WindowProcedure(Form& form, Procedure procedure)
    : m_window(form.widget()), m_procedure(std::move(procedure)) {
    // Filters installed last run first, so this one sees events before anything already there.
    if (m_window) m_window->installEventFilter(this);
}

WindowProcedure::~WindowProcedure() {
    if (m_window) m_window->removeEventFilter(this);
}

bool WindowProcedure::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && m_procedure)
        runHandler(QStringLiteral("WindowProc"), [&] { m_procedure(*event); });
    return false;
}

}  // namespace platform::forms
