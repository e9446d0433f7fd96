#include "resources/generator/Lettering.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace skingen {
namespace {

QFont boldFont(const QStringList& families, int pixelSize) {
    QFont font;
    font.setFamilies(families);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The inked outline, measured from the glyph shapes: font metrics alone leave side bearings in.
QRectF inkedBounds(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.boundingRect();
}

}  // namespace

QStringList skinFamilies() {
    return {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")};
}

QFont fittedFont(const QStringList& families, const QString& text, QSizeF box, int maxPixelSize) {
    for (int size = maxPixelSize; size > 4; --size) {
        const QFont font = boldFont(families, size);
        const QRectF bounds = inkedBounds(text, font);
        if (bounds.width() <= box.width() && bounds.height() <= box.height()) return font;
    }
    return boldFont(families, 5);
}

void drawCentred(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 const QColor& colour) {
    const QRectF bounds = inkedBounds(text, font);
    const QPointF origin(std::round(rect.center().x() - bounds.center().x()),
                         std::round(rect.center().y() - bounds.center().y()));
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(origin, text);
    painter.restore();
}

}  // namespace skingen
