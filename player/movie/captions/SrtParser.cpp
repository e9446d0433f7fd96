#include "player/movie/captions/SrtParser.h"

#include "player/movie/captions/CaptionText.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace movie {

namespace {

// Hours may run past 99; minutes and seconds are checked below 60 after matching.
const QRegularExpression& timingPattern() {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,6}):(\d{1,2}):(\d{1,2})[,.](\d{1,3})\s*-->\s*(\d{1,6}):(\d{1,2}):(\d{1,2})[,.](\d{1,3})(?:\s.*)?$)"));
    return pattern;
}

double timeFrom(const QRegularExpressionMatch& match, int first, bool* ok) {
    const int hours = match.capturedView(first).toInt();
    const int minutes = match.capturedView(first + 1).toInt();
    const int seconds = match.capturedView(first + 2).toInt();
    const QStringView fraction = match.capturedView(first + 3);
    if (minutes >= 60 || seconds >= 60) *ok = false;
    // "5" after the comma is half a second, as in "00:00:01,5".
    const double fractionValue = fraction.toInt() / std::pow(10.0, fraction.size());
    return hours * 3600.0 + minutes * 60.0 + seconds + fractionValue;
}

bool isBlank(QStringView line) {
    return line.trimmed().isEmpty();
}

bool isNumber(QStringView line) {
    const QStringView trimmed = line.trimmed();
    return !trimmed.isEmpty() &&
           std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

CaptionsResult parseSrt(const QByteArray& data) {
    CaptionsResult result;
    if (data.size() > kCaptionsMaxBytes) {
        result.error = QStringLiteral("larger than %1 bytes").arg(kCaptionsMaxBytes);
        return result;
    }
    const QStringList lines = captionLines(decodeCaptionText(data));
    CaptionList captions;
    qsizetype i = 0;
    while (i < lines.size()) {
        if (isBlank(lines.at(i))) {
            ++i;
            continue;
        }
        const qsizetype blockLine = i;
        if (isNumber(lines.at(i)) && i + 1 < lines.size()) ++i;
        const QRegularExpressionMatch match = timingPattern().match(lines.at(i));
        bool ok = match.hasMatch();
        Caption caption;
        if (ok) {
            caption.start = timeFrom(match, 1, &ok);
            caption.end = timeFrom(match, 5, &ok);
        }
        if (!ok || caption.end < caption.start) {
            result.error = QStringLiteral("line %1: no valid timing in this caption").arg(blockLine + 1);
            return result;
        }
        QStringList text;
        for (++i; i < lines.size() && !isBlank(lines.at(i)); ++i) text.append(plainCaptionLine(lines.at(i)));
        caption.text = text.join(u'\n');
        if (captions.size() >= kCaptionsMaxCount) {
            result.error = QStringLiteral("more than %1 captions").arg(kCaptionsMaxCount);
            return result;
        }
        captions.append(caption);
    }
    if (captions.isEmpty()) {
        result.error = QStringLiteral("no captions");
        return result;
    }
    sortCaptions(captions);
    result.captions = captions;
    return result;
}

}  // namespace movie
