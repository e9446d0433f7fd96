#pragma once

#include "platform/forms/Control.h"

namespace platform::forms {

// A straight line drawn on its container, from (X1, Y1) to (X2, Y2) in twips.
class Line : public Control {
public:
    Line(const QString& name, Container& parent);
    void setEnds(float x1, float y1, float x2, float y2);
    void setBorderColor(const QColor& color);
    void setBorderWidth(int pixels);

    float X1() const { return m_x1; }
    float Y1() const { return m_y1; }
    float X2() const { return m_x2; }
    float Y2() const { return m_y2; }
    QColor BorderColor() const { return m_color; }
    int BorderWidth() const { return m_width; }

private:
    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_color = Qt::black;
    int m_width = 1;
};

}  // namespace platform::forms
