#include "platform/forms/Line.h"

#include "platform/forms/Container.h"
#include "platform/forms/ScreenMetrics.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace platform::forms {
namespace {

class LineWidget : public QWidget {
public:
    LineWidget(const Line& line, QWidget* parent) : QWidget(parent), m_line(line) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(m_line.BorderColor(), m_line.BorderWidth()));
        const float tx = m_line.screen().TwipsPerPixelX(), ty = m_line.screen().TwipsPerPixelY();
        const float left = std::min(m_line.X1(), m_line.X2()), top = std::min(m_line.Y1(), m_line.Y2());
        p.drawLine(QPointF((m_line.X1() - left) / tx, (m_line.Y1() - top) / ty),
                   QPointF((m_line.X2() - left) / tx, (m_line.Y2() - top) / ty));
    }

private:
    const Line& m_line;
};

}  // namespace

Line::Line(const QString& name, Container& parent)
    : Control(name, parent, new LineWidget(*this, parent.clientWidget())) {}

void Line::setEnds(float x1, float y1, float x2, float y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    const float pad = float(m_width) * screen().TwipsPerPixelY();
    Move(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + pad, std::abs(y2 - y1) + pad);
}

void Line::setBorderColor(const QColor& color) {
    m_color = color;
    widget()->update();
}

void Line::setBorderWidth(int pixels) {
    m_width = pixels;
    setEnds(m_x1, m_y1, m_x2, m_y2);
}

}  // namespace platform::forms
