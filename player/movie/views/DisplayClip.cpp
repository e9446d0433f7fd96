#include "player/movie/views/DisplayClip.h"

#include <QMouseEvent>
#include <QPainter>

namespace movie {

DisplayClip::DisplayClip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("display"));
}

void DisplayClip::setBackground(const QColor& color) {
    m_background = color;
    update();
}

void DisplayClip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
}

void DisplayClip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && released)
        released();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace movie
