#pragma once

#include "platform/forms/Control.h"

namespace platform::forms {

// A check box whose Value is 0 (cleared), 1 (ticked) or 2 (greyed). Any change of the value,
// by the user or by code, raises Click.
class CheckBox : public Control {
public:
    CheckBox(const QString& name, Container& parent);

    int Value() const { return m_value; }
    // Values outside 0 to 2 are refused with PropertyError.
    void setValue(int value);
    QString Caption() const;
    void setCaption(const QString& text);
    void setColors(const QColor& fore, const QColor& back);
    void setFont(const FontSpec& font);

protected:
    bool clicksOnRelease() const override { return false; }

private:
    void userToggled();
    int m_value = 0;
};

}  // namespace platform::forms
