#include "resources/generator/ProgramIcon.h"

#include "resources/generator/Lettering.h"
#include "resources/generator/SkinPictures.h"

#include <QPainter>
#include <QRadialGradient>

namespace skingen {

QString iconLettering(int size) {
    if (size >= 48) return QStringLiteral("Quorvel");
    return size >= 32 ? QStringLiteral("Qv") : QStringLiteral("Q");
}

QImage programIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal rim = size / 32.0;
    const QRectF disc(rim / 2, rim / 2, size - rim, size - rim);
    QRadialGradient light(disc.center() - QPointF(size / 6.0, size / 6.0), size * 0.75);
    light.setColorAt(0, QColor(0, 160, 0));
    light.setColorAt(1, QColor::fromRgb(kSkinGreen));
    painter.setPen(QPen(QColor(0, 80, 0), rim));
    painter.setBrush(light);
    painter.drawEllipse(disc);

    const QString text = iconLettering(size);
    // A narrow bold face lets seven letters stand inside the disc at a readable height; two
    // letters are best served by a wide, heavy one.
    const bool fullName = text.size() > 2;
    const QStringList families =
        fullName ? QStringList{QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")}
                 : QStringList{QStringLiteral("DejaVu Sans")};
    const qreal inset = fullName ? size * 0.1 : size * 0.16;
    const QRectF area = disc.adjusted(inset, size * 0.25, -inset, -size * 0.25);
    drawCentred(painter, area, text, fittedFont(families, text, area.size(), size), Qt::white);
    return image;
}

}  // namespace skingen
