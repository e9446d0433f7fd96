#pragma once

#include "platform/forms/Control.h"

namespace platform::forms {

// A windowless label: transparent, painted on its container below every other control there;
// among the labels of a container, each lies in front of those made before it.
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
    // The caption is drawn so that it ends before the sibling, wherever the sibling goes: cut
    // short with "…" when it does not fit, the whole caption then being the label's tooltip.
    void endBefore(const Control& sibling);

private:
    void fitToText();
    bool m_autoSize = false;
};

}  // namespace platform::forms
