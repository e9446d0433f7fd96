#pragma once

#include "platform/forms/Control.h"

#include <QImage>

namespace platform::forms {

// A windowless picture; with Stretch the picture fills the control.
class Image : public Control {
public:
    Image(const QString& name, Container& parent);
    void setPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }
    void setStretch(bool stretch);

private:
    QImage m_picture;
};

}  // namespace platform::forms
