#include "platform/forms/PictureBox.h"

#include "platform/forms/ScreenMetrics.h"

#include <QPainter>
#include <QWidget>

namespace platform::forms {
namespace {

class PictureBoxWidget : public QWidget {
public:
    PictureBoxWidget(const PictureBox& box, QWidget* parent) : QWidget(parent), m_box(box) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), m_box.BackColor());
        const int border = m_box.clientOriginPixels();
        if (!m_box.Picture().isNull()) p.drawImage(border, border, m_box.Picture());
        if (m_box.borderStyle() == BorderStyle::FixedSingle) {
            p.setPen(Qt::black);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        } else if (m_box.borderStyle() == BorderStyle::Fixed3D) {
            // The sunken edge: dark above and to the left, light below and to the right. Lines
            // run along the outermost pixels: rect()'s right and bottom are already the last ones.
            const QRect r = rect();
            p.setPen(QColor(128, 128, 128));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(Qt::white);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
            const QRect i = r.adjusted(1, 1, -1, -1);
            p.setPen(QColor(64, 64, 64));
            p.drawLine(i.topLeft(), i.topRight());
            p.drawLine(i.topLeft(), i.bottomLeft());
            p.setPen(QColor(212, 208, 200));
            p.drawLine(i.bottomLeft(), i.bottomRight());
            p.drawLine(i.topRight(), i.bottomRight());
        }
    }

private:
    const PictureBox& m_box;
};

}  // namespace

PictureBox::PictureBox(const QString& name, Container& parent)
    : Control(name, parent, new PictureBoxWidget(*this, parent.clientWidget())),
      m_back(QColor(212, 208, 200)) {}

int PictureBox::borderPixels() const {
    switch (m_border) {
        case BorderStyle::None:
            return 0;
        case BorderStyle::FixedSingle:
            return 1;
        case BorderStyle::Fixed3D:
            return 2;
    }
    return 0;
}

void PictureBox::setBackColor(const QColor& color) {
    m_back = color;
    widget()->update();
}

void PictureBox::setBorderStyle(BorderStyle style) {
    m_border = style;
    fitToPicture();
    widget()->update();
}

void PictureBox::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    fitToPicture();
}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture;
    fitToPicture();
    widget()->update();
}

void PictureBox::fitToPicture() {
    if (!m_autoSize || m_picture.isNull()) return;
    const int edge = 2 * borderPixels();
    setWidth(float(m_picture.width() + edge) * screen().TwipsPerPixelX());
    setHeight(float(m_picture.height() + edge) * screen().TwipsPerPixelY());
}

}  // namespace platform::forms
