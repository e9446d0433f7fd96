#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace movie {

// Text of a captions file: UTF-16 (LE or BE) or UTF-8 when a byte order mark says so, else UTF-8 when
// valid, else Windows-1252, which is what text editors on Windows wrote without saying so.
QString decodeCaptionText(const QByteArray& data);
// Splits on CRLF, LF or a lone CR.
QStringList captionLines(const QString& text);
// One line of caption text without formatting tags (<i>, <b>, <u>, <s>, <font ...> and their ends) or
// {\...} override codes, with HTML character references decoded, trimmed. Other text that looks like a
// tag ("<3") is kept, and so is a tag spelt with references ("&lt;i&gt;" reads "<i>").
QString plainCaptionLine(const QString& line);

}  // namespace movie
