#include "platform/desktop/MimeAppsList.h"

#include <QList>

namespace platform::mimeapps {
namespace {

const QByteArray kSection = QByteArrayLiteral("[Default Applications]");

bool isHeader(const QByteArray& line) {
    return line.trimmed().startsWith('[');
}

bool hasKey(const QByteArray& line, const QByteArray& mime) {
    const qsizetype eq = line.indexOf('=');
    return eq > 0 && !line.trimmed().startsWith('#') && line.left(eq).trimmed() == mime;
}

// Keeps a CR of a CRLF file on the line that replaces one.
QByteArray lineEnd(const QByteArray& line) {
    return line.endsWith('\r') ? QByteArrayLiteral("\r") : QByteArray();
}

}  // namespace

QByteArray withDefault(const QByteArray& content, const QByteArray& mime, const QByteArray& desktopId) {
    QList<QByteArray> lines = content.split('\n');
    const QByteArray ours = mime + '=' + desktopId;
    qsizetype section = -1;
    for (qsizetype i = 0; i < lines.size() && section < 0; ++i) {
        if (lines[i].trimmed() == kSection) section = i;
    }
    if (section < 0) {
        QByteArray out = content;
        if (!out.isEmpty() && !out.endsWith('\n')) out += '\n';
        if (!out.isEmpty()) out += '\n';
        return out + kSection + '\n' + ours + '\n';
    }
    qsizetype lastFilled = section;
    for (qsizetype i = section + 1; i < lines.size() && !isHeader(lines[i]); ++i) {
        if (hasKey(lines[i], mime)) {
            lines[i] = ours + lineEnd(lines[i]);
            return lines.join('\n');
        }
        if (!lines[i].trimmed().isEmpty()) lastFilled = i;
    }
    // A section that is the file's last line has no line end yet to put ours after.
    if (lastFilled == lines.size() - 1) {
        lines.append(ours);
        return lines.join('\n');
    }
    lines.insert(lastFilled + 1, ours + lineEnd(lines[lastFilled]));
    return lines.join('\n');
}

QByteArray withoutDefault(const QByteArray& content, const QByteArray& mime, const QByteArray& desktopId) {
    QList<QByteArray> lines = content.split('\n');
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isHeader(lines[i])) {
            inSection = lines[i].trimmed() == kSection;
            continue;
        }
        if (!inSection || !hasKey(lines[i], mime)) continue;
        const QByteArray end = lineEnd(lines[i]);
        const QByteArray value = lines[i].mid(lines[i].indexOf('=') + 1);
        QList<QByteArray> kept;
        bool named = false;
        for (const QByteArray& id : value.split(';')) {
            const QByteArray trimmed = id.trimmed();
            if (trimmed == desktopId)
                named = true;
            else if (!trimmed.isEmpty())
                kept.append(trimmed);
        }
        if (!named) continue;
        if (kept.isEmpty()) {
            lines.removeAt(i--);
        } else {
            lines[i] = lines[i].left(lines[i].indexOf('=') + 1) + kept.join(';') + ';' + end;
        }
    }
    return lines.join('\n');
}

}  // namespace platform::mimeapps
