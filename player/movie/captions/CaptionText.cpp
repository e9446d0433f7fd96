#include "player/movie/captions/CaptionText.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace movie {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unassigned bytes keep their Latin-1
// (control) values, as Windows' own conversion does.
constexpr char16_t kWindows1252High[32] = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decodeWith(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

QString characterFor(QStringView reference) {
    if (reference == u"amp") return QStringLiteral("&");
    if (reference == u"lt") return QStringLiteral("<");
    if (reference == u"gt") return QStringLiteral(">");
    if (reference == u"quot") return QStringLiteral("\"");
    if (reference == u"apos") return QStringLiteral("'");
    if (reference == u"nbsp") return QString(QChar(0xA0));
    const bool hex = reference.startsWith(u"#x") || reference.startsWith(u"#X");
    bool ok = false;
    const uint code = reference.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    // NUL, surrogate halves and numbers past Unicode stay written out.
    if (!ok || code == 0 || QChar::isSurrogate(code) || code > QChar::LastValidCodePoint) return QString();
    const char32_t character = code;
    return QString::fromUcs4(&character, 1);
}

QString decodeReferences(const QString& line) {
    static const QRegularExpression reference(
        QStringLiteral("&(amp|lt|gt|quot|apos|nbsp|#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6});"));
    QString decoded;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : reference.globalMatch(line)) {
        const QString character = characterFor(match.capturedView(1));
        if (character.isEmpty()) continue;
        decoded += QStringView(line).sliced(copied, match.capturedStart() - copied);
        decoded += character;
        copied = match.capturedEnd();
    }
    if (copied == 0) return line;
    decoded += QStringView(line).sliced(copied);
    return decoded;
}

}  // namespace

QString decodeCaptionText(const QByteArray& data) {
    const QByteArrayView bytes(data);
    if (bytes.startsWith("\xFF\xFE")) return decodeWith(QStringDecoder::Utf16LE, bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF")) return decodeWith(QStringDecoder::Utf16BE, bytes.sliced(2));
    if (bytes.startsWith("\xEF\xBB\xBF")) return decodeWith(QStringDecoder::Utf8, bytes.sliced(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return fromWindows1252(bytes);
}

QStringList captionLines(const QString& text) {
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(u'\r', u'\n');
    return normalized.split(u'\n');
}

QString plainCaptionLine(const QString& line) {
    static const QRegularExpression formatting(
        QStringLiteral(R"(</?(?:i|b|u|s|font)(?:\s[^<>]*)?>|\{\\[^{}]*\})"),
        QRegularExpression::CaseInsensitiveOption);
    QString plain = line;
    plain.remove(formatting);
    return decodeReferences(plain).trimmed();
}

}  // namespace movie
