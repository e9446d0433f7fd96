#include "player/movie/captions/SrtParser.h"

#include "player/movie/captions/CaptionText.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace movie {

namespace {

// Hours may run past 99; minutes and seconds are checked below 60 after matching. The fraction may be
// missing or one to three digits, after "," or ".".
const QRegularExpression& timingPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,6}):(\d{1,2}):(\d{1,2})(?:[,.](\d{1,3}))?\s*-->\s*)"
                       R"((\d{1,6}):(\d{1,2}):(\d{1,2})(?:[,.](\d{1,3}))?(?:\s.*)?$)"));
    return pattern;
}

double timeFrom(const QRegularExpressionMatch& match, int first, bool* ok) {
    const int hours = match.capturedView(first).toInt();
    const int minutes = match.capturedView(first + 1).toInt();
    const int seconds = match.capturedView(first + 2).toInt();
    const QStringView fraction = match.capturedView(first + 3);
    if (minutes >= 60 || seconds >= 60) *ok = false;
    // "5" after the comma is half a second, as in "00:00:01,5".
    const double fractionValue = fraction.isEmpty() ? 0 : fraction.toInt() / std::pow(10.0, fraction.size());
    return hours * 3600.0 + minutes * 60.0 + seconds + fractionValue;
}

// The start and end of a timing line; false when the line is none or its end comes before its start.
bool readTiming(const QString& line, Caption* caption) {
    const QRegularExpressionMatch match = timingPattern().match(line);
    if (!match.hasMatch()) return false;
    bool ok = true;
    caption->start = timeFrom(match, 1, &ok);
    caption->end = timeFrom(match, 5, &ok);
    return ok && caption->end >= caption->start;
}

bool isBlank(QStringView line) {
    return line.trimmed().isEmpty();
}

bool isNumber(QStringView line) {
    const QStringView trimmed = line.trimmed();
    return !trimmed.isEmpty() &&
           std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); });
}

bool isTimingLine(const QString& line) {
    return timingPattern().match(line).hasMatch();
}

// A block ends at a blank line, or where the next one starts without one (its number and timing line,
// or a timing line alone): files edited by hand lose their blank lines.
bool startsBlock(const QStringList& lines, qsizetype i) {
    if (isTimingLine(lines.at(i))) return true;
    return isNumber(lines.at(i)) && i + 1 < lines.size() && isTimingLine(lines.at(i + 1));
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
    qsizetype firstBroken = -1;
    int broken = 0;
    qsizetype i = 0;
    while (i < lines.size()) {
        if (isBlank(lines.at(i))) {
            ++i;
            continue;
        }
        const qsizetype blockLine = i;
        if (isNumber(lines.at(i)) && i + 1 < lines.size()) ++i;
        Caption caption;
        const bool timed = readTiming(lines.at(i), &caption);
        QStringList text;
        for (++i; i < lines.size() && !isBlank(lines.at(i)) && !startsBlock(lines, i); ++i)
            text.append(plainCaptionLine(lines.at(i)));
        if (!timed) {
            if (broken++ == 0) firstBroken = blockLine;
            continue;
        }
        caption.text = text.join(u'\n').trimmed();
        // A caption with no text shows nothing; FFmpeg leaves those out too.
        if (caption.text.isEmpty()) continue;
        if (captions.size() >= kCaptionsMaxCount) {
            result.error = QStringLiteral("more than %1 captions").arg(kCaptionsMaxCount);
            return result;
        }
        captions.append(caption);
    }
    const QString brokenReason =
        broken == 0 ? QString()
                    : QStringLiteral("line %1: no valid timing in this caption").arg(firstBroken + 1);
    if (captions.isEmpty()) {
        result.error = brokenReason.isEmpty() ? QStringLiteral("no captions") : brokenReason;
        return result;
    }
    if (broken > 0)
        result.notice = QStringLiteral("%1; %2 caption(s) left out").arg(brokenReason).arg(broken);
    sortCaptions(captions);
    result.captions = captions;
    return result;
}

}  // namespace movie
