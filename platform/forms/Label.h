#pragma once

#include "platform/forms/Control.h"

namespace platform::forms {

// A windowless label: transparent, painted on its container below every other control there.
class Label : public Control {
public:
    Label(const QString& name, Container& parent);

    QString Caption() const;
    void setCaption(const QString& text);
    void setForeColor(const QColor& color);
    void setFont(const FontSpec& font);
    void setAlignment(Qt::Alignment alignment);
    // Sized to its text: the label takes the size its caption needs.
    void setAutoSize(bool autoSize);

private:
    void fitToText();
    bool m_autoSize = false;
};

}  // namespace platform::forms
