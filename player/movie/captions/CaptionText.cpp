#include "player/movie/captions/CaptionText.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace movie {

QString decodeCaptionText(const QByteArray& data) {
    QByteArrayView bytes(data);
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes);
}

QStringList captionLines(const QString& text) {
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(u'\r', u'\n');
    return normalized.split(u'\n');
}

QString plainCaptionLine(const QString& line) {
    static const QRegularExpression formatting(
        QStringLiteral(R"(</?(?:i|b|u|font)(?:\s[^<>]*)?>|\{\\[^{}]*\})"),
        QRegularExpression::CaseInsensitiveOption);
    QString plain = line;
    plain.remove(formatting);
    return plain.trimmed();
}

}  // namespace movie
