#include "player/movie/feed/PlaylistXml.h"

namespace movie {

namespace {
constexpr QStringView kMediaRssNamespace = u"http://search.yahoo.com/mrss/";
}

PlaylistXml::PlaylistXml(const QByteArray& data) : m_reader(data) {
    // Belt and braces: even a declaration that slipped through could not expand anything.
    m_reader.setEntityExpansionLimit(0);
}

QXmlStreamReader::TokenType PlaylistXml::step() {
    const QXmlStreamReader::TokenType token = m_reader.readNext();
    switch (token) {
        case QXmlStreamReader::DTD:
            m_reader.raiseError(QStringLiteral("document type declarations are refused"));
            return QXmlStreamReader::Invalid;
        case QXmlStreamReader::EntityReference:
            m_reader.raiseError(QStringLiteral("entity references are refused"));
            return QXmlStreamReader::Invalid;
        case QXmlStreamReader::StartElement:
            if (++m_depth > kPlaylistMaxDepth) {
                m_reader.raiseError(QStringLiteral("elements nested deeper than %1").arg(kPlaylistMaxDepth));
                return QXmlStreamReader::Invalid;
            }
            return token;
        case QXmlStreamReader::EndElement:
            --m_depth;
            return token;
        default:
            return token;
    }
}

bool PlaylistXml::readNextChild() {
    while (!m_reader.atEnd()) {
        switch (step()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
            case QXmlStreamReader::Invalid:
                return false;
            default:
                break;
        }
    }
    return false;
}

QString PlaylistXml::readText(QStringView lineBreak) {
    QString text;
    const int ownDepth = m_depth;
    while (!m_reader.atEnd()) {
        switch (step()) {
            case QXmlStreamReader::Characters:
                text += m_reader.text();
                break;
            case QXmlStreamReader::StartElement:
                if (!lineBreak.isEmpty() && m_reader.name() == lineBreak) text += QChar::LineSeparator;
                break;
            case QXmlStreamReader::EndElement:
                if (m_depth < ownDepth) return text;
                break;
            case QXmlStreamReader::Invalid:
                return QString();
            default:
                break;
        }
    }
    return QString();
}

bool PlaylistXml::isMedia(QStringView localName) const {
    return m_reader.name() == localName &&
           (m_reader.namespaceUri() == kMediaRssNamespace || m_reader.prefix() == u"media");
}

QString PlaylistXml::attribute(QStringView attributeName) const {
    return m_reader.attributes().value(attributeName.toString()).toString().trimmed();
}

void PlaylistXml::finish() {
    while (!m_reader.atEnd() && step() != QXmlStreamReader::Invalid) {
    }
}

QString PlaylistXml::errorString() const {
    return QStringLiteral("line %1: %2").arg(m_reader.lineNumber()).arg(m_reader.errorString());
}

}  // namespace movie
