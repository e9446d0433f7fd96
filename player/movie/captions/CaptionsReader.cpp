#include "player/movie/captions/CaptionsReader.h"

#include "player/movie/captions/SrtParser.h"
#include "player/movie/captions/TimedTextParser.h"

#include <QUrl>

namespace movie {

namespace {

bool looksLikeXml(const QByteArray& data) {
    QByteArrayView bytes(data);
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    return bytes.trimmed().startsWith('<');
}

}  // namespace

CaptionsResult parseCaptions(const QByteArray& data, const QString& name) {
    // The path of an address, so that "subs.srt?lang=fr" is still SubRip.
    const QString path = QUrl(name).path().isEmpty() ? name : QUrl(name).path();
    const QString lower = path.toLower();
    if (lower.endsWith(u".srt")) return parseSrt(data);
    for (const QStringView extension : {u".xml", u".dfxp", u".ttml", u".tt"}) {
        if (lower.endsWith(extension)) return parseTimedText(data);
    }
    return looksLikeXml(data) ? parseTimedText(data) : parseSrt(data);
}

}  // namespace movie
