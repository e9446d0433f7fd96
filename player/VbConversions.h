#pragma once

#include <QString>

namespace player {

// The leading number of a text, as the classic Val reads it: blanks skipped, an optional sign,
// digits with an optional fraction and exponent; 0 when the text starts with no number.
double leadingNumber(const QString& text);

// Rounds half to even into a 16-bit integer; throws std::range_error when it does not fit.
int toInteger16(double value);

}  // namespace player
