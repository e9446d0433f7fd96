#include "player/movie/views/controlbar/Clips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace movie {

QImage tintedIcon(const QByteArray& svg, const QSize& size, const QColor& color) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || size.isEmpty()) return image;
    QPainter painter(&image);
    renderer.render(&painter);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

Clip::Clip(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void Clip::setColor(const QColor& color) {
    if (color == m_color) return;
    m_color = color;
    update();
}

void Clip::setScale(double scale) {
    m_scale = scale;
    update();
}

void Clip::setOpacity(double opacity) {
    m_opacity = opacity;
    update();
}

IconClip::IconClip(const QString& name, const QByteArray* svg, QWidget* parent)
    : Clip(name, parent), m_svg(svg ? *svg : QByteArray()) {
    // Presses go to the button or gesture that holds the icon.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void IconClip::paintEvent(QPaintEvent*) {
    if (m_svg.isEmpty()) return;
    const QSize natural = QSvgRenderer(m_svg).defaultSize();
    const double ratio = devicePixelRatioF();
    const QSize size(int(std::lround(natural.width() * scale() * ratio)),
                     int(std::lround(natural.height() * scale() * ratio)));
    if (m_cache.size() != size || m_cacheColor != color()) {
        m_cache = tintedIcon(m_svg, size, color());
        m_cache.setDevicePixelRatio(ratio);
        m_cacheColor = color();
    }
    QPainter painter(this);
    painter.setOpacity(opacity());
    const QSizeF shown = QSizeF(size) / ratio;
    painter.drawImage(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), m_cache);
}

FillClip::FillClip(const QString& name, double inset, double alpha, QWidget* parent)
    : Clip(name, parent), m_inset(inset), m_alpha(alpha) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FillClip::setAlpha(double alpha) {
    m_alpha = alpha;
    update();
}

void FillClip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setOpacity(m_alpha * opacity());
    const double inset = m_inset * scale();
    painter.fillRect(QRectF(0, inset, width(), height() - 2 * inset), color());
}

TextClip::TextClip(const QString& name, QWidget* parent) : Clip(name, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TextClip::setText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    update();
}

void TextClip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font = this->font();
    font.setPixelSize(int(std::lround(10 * scale())));
    painter.setFont(font);
    painter.setPen(color());
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}

ClipGroup::ClipGroup(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

ButtonClip::ButtonClip(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void ButtonClip::setColors(const QColor& front, const QColor& light) {
    m_front = front;
    m_light = light;
    tint(underMouse() ? m_light : m_front);
}

void ButtonClip::rollOut() {
    tint(m_front);
}

void ButtonClip::tint(const QColor& color) {
    for (Clip* clip : findChildren<Clip*>()) clip->setColor(color);
}

void ButtonClip::enterEvent(QEnterEvent*) {
    tint(m_light);
}

void ButtonClip::leaveEvent(QEvent*) {
    tint(m_front);
}

void ButtonClip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    Q_EMIT pressed();
}

}  // namespace movie
