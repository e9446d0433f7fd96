#include "player/movie/captions/TimedTextParser.h"

#include "player/movie/captions/TimeExpression.h"
#include "player/movie/feed/PlaylistXml.h"

#include <QRegularExpression>
#include <QStringList>

#include <limits>

namespace movie {

namespace {

constexpr QStringView kRootElement = u"tt";
constexpr double kOpenEnd = std::numeric_limits<double>::infinity();

struct Span {
    double begin = 0;
    double end = kOpenEnd;
};

class TimedTextReader {
public:
    TimedTextReader(PlaylistXml& xml, TimeRates rates) : m_xml(xml), m_rates(rates) {}

    // Reads the current element (body or div) and the captions inside it, within the parent's span.
    void readContainer(const Span& parent);
    // Set when the document must be refused.
    const QString& error() const { return m_error; }
    // Why the first element left out was, and how many were.
    const QString& firstSkipped() const { return m_firstSkipped; }
    int skipped() const { return m_skipped; }
    CaptionList& captions() { return m_captions; }

private:
    // The current element's span within its parent's; when its times cannot be used, the element is
    // passed over whole (a div with everything in it), counted, and false returned.
    bool spanOf(const Span& parent, Span* span);
    void skipCurrent(const QString& reason);
    QString paragraphText();

    PlaylistXml& m_xml;
    TimeRates m_rates;
    CaptionList m_captions;
    QString m_error;
    QString m_firstSkipped;
    int m_skipped = 0;
};

bool TimedTextReader::spanOf(const Span& parent, Span* span) {
    const QString begin = m_xml.attribute(u"begin");
    const QString end = m_xml.attribute(u"end");
    const QString dur = m_xml.attribute(u"dur");
    const double beginOffset = begin.isEmpty() ? 0 : parseTimeExpression(begin, m_rates);
    const double endOffset = end.isEmpty() ? 0 : parseTimeExpression(end, m_rates);
    const double duration = dur.isEmpty() ? 0 : parseTimeExpression(dur, m_rates);
    if (beginOffset < 0 || endOffset < 0 || duration < 0) {
        skipCurrent(QStringLiteral("a time that cannot be read"));
        return false;
    }
    span->begin = parent.begin + beginOffset;
    span->end = parent.end;
    if (!end.isEmpty()) span->end = qMin(span->end, parent.begin + endOffset);
    if (!dur.isEmpty()) span->end = qMin(span->end, span->begin + duration);
    if (span->end < span->begin) {
        skipCurrent(QStringLiteral("ends before it begins"));
        return false;
    }
    return true;
}

void TimedTextReader::skipCurrent(const QString& reason) {
    if (m_skipped++ == 0)
        m_firstSkipped =
            QStringLiteral("line %1: <%2>: %3").arg(m_xml.lineNumber()).arg(m_xml.name(), reason);
    m_xml.skipElement();
}

QString TimedTextReader::paragraphText() {
    // XML whitespace only: a no-break space in the text is meant.
    static const QRegularExpression whitespace(QStringLiteral("[ \t\r\n]+"));
    QStringList lines = m_xml.readText(u"br").split(QChar::LineSeparator);
    for (QString& line : lines) line = line.replace(whitespace, QStringLiteral(" ")).trimmed();
    return lines.join(u'\n').trimmed();
}

void TimedTextReader::readContainer(const Span& parent) {
    Span own;
    if (!spanOf(parent, &own)) return;
    while (m_error.isEmpty() && m_xml.readNextChild()) {
        if (m_xml.isNamed(u"div")) {
            readContainer(own);
            continue;
        }
        if (!m_xml.isNamed(u"p")) {
            m_xml.skipElement();
            continue;
        }
        Span span;
        if (!spanOf(own, &span)) continue;
        if (m_captions.size() >= kCaptionsMaxCount) {
            m_error = QStringLiteral("more than %1 captions").arg(kCaptionsMaxCount);
            return;
        }
        m_captions.append(Caption{span.begin, span.end, paragraphText()});
    }
}

double rateAttribute(PlaylistXml& xml, QStringView name, double fallback) {
    bool ok = false;
    const double value = xml.attribute(name).toDouble(&ok);
    return ok && value > 0 && value < 1e6 ? value : fallback;
}

}  // namespace

CaptionsResult parseTimedText(const QByteArray& data) {
    CaptionsResult result;
    if (data.size() > kCaptionsMaxBytes) {
        result.error = QStringLiteral("larger than %1 bytes").arg(kCaptionsMaxBytes);
        return result;
    }
    PlaylistXml xml(data);
    if (!xml.readNextChild() || !xml.isNamed(kRootElement)) {
        result.error = xml.hasError() ? xml.errorString() : QStringLiteral("not a Timed Text document");
        return result;
    }
    TimeRates rates;
    rates.frameRate = rateAttribute(xml, u"ttp:frameRate", rates.frameRate);
    rates.tickRate = rateAttribute(xml, u"ttp:tickRate", rates.tickRate);
    TimedTextReader reader(xml, rates);
    while (reader.error().isEmpty() && xml.readNextChild()) {
        if (!xml.isNamed(u"body")) {
            xml.skipElement();
            continue;
        }
        reader.readContainer(Span{});
    }
    if (reader.error().isEmpty()) xml.finish();
    if (!reader.error().isEmpty() || xml.hasError()) {
        result.error = reader.error().isEmpty() ? xml.errorString() : reader.error();
        return result;
    }
    CaptionList& captions = reader.captions();
    if (captions.isEmpty()) {
        result.error = reader.skipped() > 0 ? reader.firstSkipped() : QStringLiteral("no captions");
        return result;
    }
    if (reader.skipped() > 0)
        result.notice =
            QStringLiteral("%1; %2 element(s) left out").arg(reader.firstSkipped()).arg(reader.skipped());
    sortCaptions(captions);
    // A caption nothing ends stays up until the next one starts.
    for (qsizetype i = 0; i + 1 < captions.size(); ++i) {
        if (captions[i].end == kOpenEnd) captions[i].end = qMax(captions[i].start, captions[i + 1].start);
    }
    result.captions = captions;
    return result;
}

bool isTimedTextDocument(const QByteArray& head) {
    PlaylistXml xml(head);
    return xml.readNextChild() && xml.isNamed(kRootElement);
}

}  // namespace movie
