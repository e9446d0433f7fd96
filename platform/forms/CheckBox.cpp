#include "platform/forms/CheckBox.h"

#include "platform/forms/Container.h"
#include "platform/forms/Errors.h"

#include <QCheckBox>

namespace platform::forms {
namespace {

// The user's click goes 0 -> 1 and 1 or 2 -> 0; the greyed state is reached from code only.
class VbCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    std::function<void()> toggledByUser;

protected:
    void nextCheckState() override {
        if (toggledByUser) toggledByUser();
    }
};

Qt::CheckState stateOf(int value) {
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

}  // namespace

CheckBox::CheckBox(const QString& name, Container& parent)
    : Control(name, parent, new VbCheckBox(parent.clientWidget())) {
    auto* box = static_cast<VbCheckBox*>(widget());
    box->setTristate(true);
    box->setAutoFillBackground(true);
    box->toggledByUser = [this] { userToggled(); };
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) throw PropertyError("invalid check box value");
    if (value == m_value) return;
    m_value = value;
    static_cast<QCheckBox*>(widget())->setCheckState(stateOf(value));
    performClick();
}

void CheckBox::userToggled() {
    setValue(m_value == 0 ? 1 : 0);
}

QString CheckBox::Caption() const {
    return static_cast<QCheckBox*>(widget())->text();
}

void CheckBox::setCaption(const QString& text) {
    static_cast<QCheckBox*>(widget())->setText(text);
}

void CheckBox::setColors(const QColor& fore, const QColor& back) {
    // Styles ignore the palette's text colour for check boxes; a style sheet is honoured by all.
    widget()->setStyleSheet(
        QStringLiteral("QCheckBox { color: %1; background-color: %2; }").arg(fore.name(), back.name()));
}

void CheckBox::setFont(const FontSpec& font) {
    applyFont(widget(), font);
}

}  // namespace platform::forms
