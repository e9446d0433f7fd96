#include "resources/generator/DonateButton.h"

#include "resources/generator/Lettering.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace skingen {
namespace {

// A card seen from the front: coloured body, a gold chip and a light band; no real brand's mark.
void drawCard(QPainter& painter, const QRectF& card, const QColor& body, const QColor& band) {
    QLinearGradient shade(card.topLeft(), card.bottomRight());
    shade.setColorAt(0, body.lighter(130));
    shade.setColorAt(1, body);
    painter.setPen(QPen(body.darker(160), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(card, 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 190, 60));
    painter.drawRoundedRect(QRectF(card.left() + 4, card.top() + 5, 6, 5), 1, 1);
    painter.setBrush(band);
    painter.drawRect(QRectF(card.left() + 4, card.bottom() - 5, card.width() - 8, 2));
    painter.drawRect(QRectF(card.right() - 10, card.top() + 4, 6, 2));
}

}  // namespace

QImage donateButton() {
    QImage image(100, 44, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF button(0.5, 0.5, 99, 43);
    QLinearGradient face(button.topLeft(), button.bottomLeft());
    face.setColorAt(0, QColor(242, 242, 242));
    face.setColorAt(1, QColor(208, 208, 208));
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(button, 5, 5);

    drawCard(painter, QRectF(18.5, 3.5, 29, 18), QColor(30, 60, 150), QColor(255, 255, 255, 200));
    drawCard(painter, QRectF(52.5, 3.5, 29, 18), QColor(200, 90, 20), QColor(255, 240, 200, 220));

    const QString words = QStringLiteral("FAIRE UN DON");
    const QRectF textArea(5, 24, 90, 16);
    const QFont font = fittedFont({QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans")}, words,
                                  textArea.size(), 14);
    drawCentred(painter, textArea, words, font, Qt::black);
    return image;
}

}  // namespace skingen
