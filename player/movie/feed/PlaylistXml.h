#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

namespace movie {

// Bounds on what a playlist may make the movie read or keep.
inline constexpr qsizetype kPlaylistMaxBytes = qsizetype{4} * 1024 * 1024;
inline constexpr int kPlaylistMaxDepth = 64;
inline constexpr qsizetype kPlaylistMaxItems = 5000;

// A stream reader over a playlist that refuses any document type declaration (so no entity is ever
// declared or expanded) and any nesting deeper than kPlaylistMaxDepth. Parsers walk it element by
// element: while (xml.readNextChild()) { if (xml.isNamed(u"title")) ...; else xml.skipElement(); }
class PlaylistXml {
public:
    explicit PlaylistXml(const QByteArray& data);

    // Moves to the next child element of the current one; false at the current element's end or on error.
    bool readNextChild();
    // The text inside the current element, its children's text included; leaves the reader at its end.
    // Each element named `lineBreak` inside it (e.g. "br") adds a QChar::LineSeparator, which text in
    // the document itself cannot be confused with once its XML whitespace is collapsed.
    QString readText(QStringView lineBreak = {});
    void skipElement() { readText(); }

    // The current element's local name, whatever its namespace prefix.
    bool isNamed(QStringView localName) const { return m_reader.name() == localName; }
    // True for an element of the Media RSS namespace ("media:" prefix).
    bool isMedia(QStringView localName) const;
    QStringView name() const { return m_reader.name(); }
    QString attribute(QStringView attributeName) const;

    // Reads to the end of the document, so that anything malformed after the root element counts.
    void finish();
    bool hasError() const { return m_reader.hasError(); }
    // "line N: reason"
    QString errorString() const;
    qint64 lineNumber() const { return m_reader.lineNumber(); }

private:
    QXmlStreamReader::TokenType step();

    QXmlStreamReader m_reader;
    int m_depth = 0;
};

}  // namespace movie
