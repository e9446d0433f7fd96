#include "platform/url/UrlQuery.h"

#include <QByteArray>
#include <QStringDecoder>

namespace platform {
namespace {

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

bool keptAsIs(char16_t u) {
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' ||
           u == '_' || u == '.' || u == '~' || u == '/' || u == ':' || u == ',' || u == ';' || u == '@' ||
           u == '!' || u == '$' || u == '\'' || u == '(' || u == ')' || u == '*';
}

// Decoded bytes as text: UTF-8 where they are UTF-8, Latin-1 otherwise.
QString bytesToText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes);
}

}  // namespace

QString unescapeQueryValue(const QString& text) {
    QString out;
    QByteArray pending;  // percent-decoded bytes waiting to be read as UTF-8
    auto flush = [&] {
        if (pending.isEmpty()) return;
        out += bytesToText(pending);
        pending.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 2 < text.size() && hexValue(text.at(i + 1)) >= 0 &&
            hexValue(text.at(i + 2)) >= 0) {
            pending.append(char(hexValue(text.at(i + 1)) * 16 + hexValue(text.at(i + 2))));
            i += 2;
            continue;
        }
        flush();
        out += c == QLatin1Char('+') ? QChar(QLatin1Char(' ')) : c;
    }
    flush();
    return out;
}

QString escapeQueryValue(const QString& text) {
    static const char* const hex = "0123456789ABCDEF";
    QString out;
    const QByteArray utf8 = text.toUtf8();
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80 && keptAsIs(byte)) {
            out += QLatin1Char(char(byte));
        } else {
            out += QLatin1Char('%');
            out += QLatin1Char(hex[byte >> 4]);
            out += QLatin1Char(hex[byte & 0xF]);
        }
    }
    return out;
}

QueryPairs splitQuery(const QString& query) {
    QueryPairs pairs;
    for (const QString& part : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? part : part.left(eq);
        const QString value = eq < 0 ? QString() : part.mid(eq + 1);
        pairs.append({unescapeQueryValue(name), unescapeQueryValue(value)});
    }
    return pairs;
}

}  // namespace platform
