#include "resources/generator/SkinPictures.h"

#include "resources/generator/Lettering.h"

#include <QPainter>
#include <QPen>

namespace skingen {
namespace {

constexpr int kGlyphSize = 20;
constexpr QRgb kShadowGrey = 0xFF808080;

}  // namespace

QImage titleStrip() {
    QImage image(7000, 23, QImage::Format_RGB32);
    image.fill(kSkinGreen);
    for (int y : {10, 11}) {
        image.setPixel(1, y, kPaleGreen);
        for (int x = 2; x <= 4; ++x) image.setPixel(x, y, 0xFFFFFFFF);
        image.setPixel(5, y, kPaleGreen);
    }
    return image;
}

QImage wordButton(const QString& text, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kSkinGreen);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(1, 1, size.width() - 2, size.height() - 2);
    const QFont font = fittedFont(skinFamilies(), text, area.size(), 16);
    drawCentred(painter, area, text, font, Qt::white);
    return image;
}

QImage glyphButton(Glyph glyph) {
    QImage image(kGlyphSize, kGlyphSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    const int last = kGlyphSize - 1;
    for (int i = 1; i < last; ++i) {
        image.setPixel(i, last - 1, kShadowGrey);
        image.setPixel(last - 1, i, kShadowGrey);
    }
    for (int i = 1; i < last - 1; ++i) {
        image.setPixel(i, 1, 0xFFFFFFFF);
        image.setPixel(1, i, 0xFFFFFFFF);
    }

    QPainter painter(&image);
    const QRect face(2, 2, kGlyphSize - 4, kGlyphSize - 4);
    painter.fillRect(face, QColor::fromRgb(kSkinGreen));
    painter.setClipRect(face);
    painter.setRenderHint(QPainter::Antialiasing);
    if (glyph == Glyph::Cross) {
        QPen pen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(6, 6), QPointF(14, 14));
        painter.drawLine(QPointF(14, 6), QPointF(6, 14));
    } else {
        const QString mark = QStringLiteral("?");
        const QRectF area(face.adjusted(1, 1, -1, -1));
        drawCentred(painter, area, mark, fittedFont(skinFamilies(), mark, area.size(), 16), Qt::white);
    }
    return image;
}

}  // namespace skingen
