#include "player/movie/feed/ContentStart.h"

namespace movie {

namespace {

struct Encoding {
    QByteArray mark;
    int unitBytes;
    bool bigEndian;
};

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

}  // namespace

ContentStart contentStartOf(const QByteArray& head) {
    static const Encoding kMarked[] = {
        {QByteArrayLiteral("\xEF\xBB\xBF"), 1, false},
        {QByteArrayLiteral("\xFF\xFE"), 2, false},
        {QByteArrayLiteral("\xFE\xFF"), 2, true},
    };
    Encoding encoding{QByteArray(), 1, false};
    for (const Encoding& marked : kMarked) {
        // A mark cut short by the end of what has arrived so far is no verdict yet.
        if (!head.isEmpty() && head.size() < marked.mark.size() && marked.mark.startsWith(head))
            return ContentStart::Undecided;
        if (head.startsWith(marked.mark)) encoding = marked;
    }
    const auto byte = [&head](qsizetype i) { return char16_t(static_cast<unsigned char>(head.at(i))); };
    for (qsizetype i = encoding.mark.size(); i + encoding.unitBytes <= head.size(); i += encoding.unitBytes) {
        char16_t c = byte(i);
        if (encoding.unitBytes == 2)
            c = encoding.bigEndian ? char16_t(c << 8 | byte(i + 1)) : char16_t(byte(i + 1) << 8 | c);
        if (isBlank(c)) continue;
        return c == u'<' ? ContentStart::Markup : ContentStart::Other;
    }
    return ContentStart::Undecided;
}

}  // namespace movie
