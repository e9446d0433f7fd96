#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace movie {

// Text of a captions file: UTF-8 (a byte order mark is dropped) when valid, else Latin-1.
QString decodeCaptionText(const QByteArray& data);
// Splits on CRLF, LF or a lone CR.
QStringList captionLines(const QString& text);
// One line of caption text without formatting tags (<i>, <b>, <u>, <font ...> and their ends) or
// {\...} override codes, trimmed. Other text that looks like a tag ("<3") is kept.
QString plainCaptionLine(const QString& line);

}  // namespace movie
