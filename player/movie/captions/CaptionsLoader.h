#pragma once

#include "player/movie/captions/Caption.h"
#include "player/movie/feed/PlaylistSource.h"

#include <QObject>

class QNetworkAccessManager;

namespace movie {

// Reads an item's captions file (local path, file:// or http(s) address) for the captions view.
// A file that cannot be read or is refused gives an empty list and one line on standard error,
// "quorvel.movie: captions <where>: <reason>"; an accepted file with captions left out gives its list and
// such a line saying what was left out.
class CaptionsLoader : public QObject {
    Q_OBJECT
public:
    // `network` may be null: the loader then makes its own.
    explicit CaptionsLoader(QNetworkAccessManager* network, QObject* parent = nullptr);

    // captionsReady follows once, from the event loop; a new load abandons the one in progress.
    void load(const QString& location);

Q_SIGNALS:
    void captionsReady(const movie::CaptionList& captions);

private:
    PlaylistSource m_source;
};

}  // namespace movie
