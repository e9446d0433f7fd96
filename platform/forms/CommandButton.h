#pragma once

#include "platform/forms/Control.h"

namespace platform::forms {

// A push button. The form clicks its Default button on Enter and its Cancel button on Escape.
class CommandButton : public Control {
public:
    CommandButton(const QString& name, Container& parent);

    QString Caption() const;
    void setCaption(const QString& text);  // "&" marks the access key
    void setFont(const FontSpec& font);
    bool Default() const { return m_default; }
    void setDefault(bool isDefault);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool isCancel) { m_cancel = isCancel; }
    void SetFocus();

protected:
    bool clicksOnRelease() const override { return false; }

private:
    bool m_default = false;
    bool m_cancel = false;
};

}  // namespace platform::forms
