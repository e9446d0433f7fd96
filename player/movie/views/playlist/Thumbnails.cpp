#include "player/movie/views/playlist/Thumbnails.h"

#include "player/movie/feed/Location.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkAccessManager>

namespace movie {

Thumbnails::Thumbnails(const QSize& box, QObject* parent)
    : QObject(parent), m_box(box), m_source(new QNetworkAccessManager(this), this) {}

void Thumbnails::load(const QStringList& locations) {
    m_source.cancel();
    m_locations = locations;
    m_images.clear();
    m_next = 0;
    next();
}

void Thumbnails::next() {
    while (m_next < m_locations.size() && m_locations.at(m_next).isEmpty()) ++m_next;
    if (m_next >= m_locations.size()) return;
    const int index = m_next++;
    const QString location = m_locations.at(index);
    m_source.fetch(locationOf(location), [this, index](const QByteArray& data, const QString& error) {
        if (error.isEmpty()) {
            const QImage image = decode(data, m_box);
            if (!image.isNull()) {
                m_images.insert(index, image);
                Q_EMIT loaded(index);
            }
        }
        next();
    });
}

QImage Thumbnails::decode(const QByteArray& data, const QSize& box) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide) return {};
    reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}

}  // namespace movie
