#pragma once

#include <QColor>
#include <QString>

namespace movie {

class Config;

// A colour key's value as the movie's configuration writes it: a decimal RGB number
// ("16777215"), or hexadecimal after "0x" or "#". Anything else reads as black, as an
// unreadable number does in the movie's own arithmetic.
QColor colorFromText(const QString& text);
QColor configColor(const Config& config, const QString& key);

}  // namespace movie
