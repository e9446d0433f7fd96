#include "platform/url/UrlQuery.h"

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

// The byte of an escape starting at index i, or -1 when there is no complete escape there.
int escapedByteAt(const QString& text, qsizetype i) {
    if (i + 2 >= text.size() || text.at(i) != u'%') return -1;
    const int high = hexValue(text.at(i + 1));
    const int low = hexValue(text.at(i + 2));
    if (high < 0 || low < 0) return -1;
    return high * 16 + low;
}

// Length of the valid UTF-8 sequence starting at bytes[i], or 0 when there is none.
qsizetype utf8SequenceAt(const QByteArray& bytes, qsizetype i) {
    for (qsizetype length = 1; length <= 4 && i + length <= bytes.size(); ++length) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(QByteArrayView(bytes).sliced(i, length));
        if (!utf8.hasError() && !decoded.isEmpty()) return length;
    }
    return 0;
}

// Valid UTF-8 sequences decode as such; any other byte is taken as Latin-1.
QString decodeRun(const QByteArray& bytes) {
    QString out;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = utf8SequenceAt(bytes, i);
        if (length == 0) {
            out.append(QChar(static_cast<unsigned char>(bytes.at(i))));
            ++i;
        } else {
            out.append(QString::fromUtf8(bytes.constData() + i, length));
            i += length;
        }
    }
    return out;
}

bool mustEscape(char16_t c) {
    if (c < 0x20 || c >= 0x7F) return true;
    switch (c) {
        case '%':
        case '&':
        case '#':
        case '+':
        case '=':
        case '?':
        case ' ':
        case '"':
        case '<':
        case '>':
        case '\\':
        case '^':
        case '`':
        case '{':
        case '|':
        case '}':
        case '[':
        case ']':
            return true;
        default:
            return false;
    }
}

}  // namespace

QString unescapeQueryValue(const QString& text) {
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (escapedByteAt(text, i) < 0) {
            out.append(text.at(i));
            ++i;
            continue;
        }
        QByteArray run;
        int byte = 0;
        while (i < text.size() && (byte = escapedByteAt(text, i)) >= 0) {
            run.append(static_cast<char>(byte));
            i += 3;
        }
        out.append(decodeRun(run));
    }
    return out;
}

QString escapeQueryValue(const QString& value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(value.size());
    const QByteArray utf8 = value.toUtf8();
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        if (!mustEscape(byte)) {
            out.append(QChar(byte));
            continue;
        }
        out.append(u'%');
        out.append(QChar(kHex[byte >> 4]));
        out.append(QChar(kHex[byte & 0x0F]));
    }
    return out;
}

QueryPairs splitQuery(const QString& query) {
    QStringView rest(query);
    if (rest.startsWith(u'?')) rest = rest.mid(1);
    QueryPairs pairs;
    for (const QStringView part : rest.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals < 0) {
            pairs.append({unescapeQueryValue(part.toString()), QString()});
        } else {
            pairs.append({unescapeQueryValue(part.left(equals).toString()),
                          unescapeQueryValue(part.mid(equals + 1).toString())});
        }
    }
    return pairs;
}

}  // namespace platform
