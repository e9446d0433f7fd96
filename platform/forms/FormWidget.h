#pragma once

#include <QWidget>

namespace platform::forms {

class Form;

// The top-level widget of a form: reports window-system resizes and states, close requests and
// the dialog keys back to its form.
class FormWidget : public QWidget {
public:
    FormWidget(Form& form, Qt::WindowFlags flags);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Form& m_form;
};

}  // namespace platform::forms
