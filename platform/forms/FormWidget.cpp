#include "platform/forms/FormWidget.h"

#include "platform/forms/Form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace platform::forms {

FormWidget::FormWidget(Form& form, Qt::WindowFlags flags) : QWidget(nullptr, flags), m_form(form) {}

void FormWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_form.windowSystemResized(event->size().width(), event->size().height());
}

void FormWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) m_form.windowSystemStateChanged();
}

void FormWidget::closeEvent(QCloseEvent* event) {
    if (m_form.closeRequested())
        event->accept();
    else
        event->ignore();
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    if (!m_form.keyPressed(event->key())) QWidget::keyPressEvent(event);
}

void FormWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_form.BackColor());
}

}  // namespace platform::forms
