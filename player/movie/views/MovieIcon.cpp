#include "player/movie/views/MovieIcon.h"

#include "runtime/moviefile/MovieFile.h"

#include <QPainter>
#include <QSvgRenderer>

namespace movie {

QPixmap movieIcon(const runtime::Movie& movie, const QString& asset, QSize size, const QColor& color) {
    const QByteArray* data = movie.asset(asset);
    if (!data) return {};
    QSvgRenderer renderer(*data);
    if (!renderer.isValid()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace movie
