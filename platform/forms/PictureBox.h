#pragma once

#include "platform/forms/Container.h"
#include "platform/forms/Control.h"

#include <QImage>

namespace platform::forms {

enum class BorderStyle { None, FixedSingle, Fixed3D };

// A picture box: background colour, optional border, a picture drawn at its client area's
// top-left corner, and a container for other controls.
class PictureBox : public Control, public Container {
public:
    PictureBox(const QString& name, Container& parent);

    QColor BackColor() const { return m_back; }
    void setBackColor(const QColor& color);
    BorderStyle borderStyle() const { return m_border; }
    void setBorderStyle(BorderStyle style);
    bool AutoSize() const { return m_autoSize; }
    // Sized to its picture: the box takes the picture's size plus its border.
    void setAutoSize(bool autoSize);
    const QImage& Picture() const { return m_picture; }
    void setPicture(const QImage& picture);

    QWidget* clientWidget() const override { return widget(); }
    int clientOriginPixels() const override { return borderPixels(); }
    const ScreenMetrics& screen() const override { return Control::screen(); }

protected:
    int borderPixels() const override;

private:
    void fitToPicture();

    QColor m_back;
    BorderStyle m_border = BorderStyle::Fixed3D;
    bool m_autoSize = false;
    QImage m_picture;
};

}  // namespace platform::forms
