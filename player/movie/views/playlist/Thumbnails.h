#pragma once

#include "player/movie/feed/PlaylistSource.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

namespace movie {

// The items' preview pictures for the playlist, read one after the other (local files or http
// addresses) and shrunk to fit `box`. A picture that cannot be read is left out.
class Thumbnails : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxSide = 8192;  // larger pictures are refused before decoding

    Thumbnails(const QSize& box, QObject* parent);

    // Starts reading the pictures at these addresses (index = item index; empty = none).
    void load(const QStringList& locations);
    QImage at(int index) const { return m_images.value(index); }

    // Decodes a picture, refusing oversized ones, shrunk to fit `box`; null when unreadable.
    static QImage decode(const QByteArray& data, const QSize& box);

Q_SIGNALS:
    void loaded(int index);

private:
    void next();

    QSize m_box;
    PlaylistSource m_source;
    QStringList m_locations;
    int m_next = 0;
    QHash<int, QImage> m_images;
};

}  // namespace movie
