#include "platform/forms/CommandButton.h"

#include "platform/forms/Container.h"

#include <QPushButton>

namespace platform::forms {

CommandButton::CommandButton(const QString& name, Container& parent)
    : Control(name, parent, new QPushButton(parent.clientWidget())) {
    auto* button = static_cast<QPushButton*>(widget());
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { performClick(); });
}

QString CommandButton::Caption() const {
    return static_cast<QPushButton*>(widget())->text();
}

void CommandButton::setCaption(const QString& text) {
    static_cast<QPushButton*>(widget())->setText(text);
}

void CommandButton::setFont(const FontSpec& font) {
    applyFont(widget(), font);
}

void CommandButton::setDefault(bool isDefault) {
    m_default = isDefault;
    static_cast<QPushButton*>(widget())->setDefault(isDefault);
}

void CommandButton::SetFocus() {
    widget()->setFocus(Qt::OtherFocusReason);
}

}  // namespace platform::forms
