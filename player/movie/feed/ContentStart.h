#pragma once

#include <QByteArray>

namespace movie {

// How a file begins, told from its first bytes: markup when its first character after an optional
// byte-order mark (UTF-8, UTF-16 LE or BE) and blanks is "<"; undecided while only a mark and blanks
// have been seen. A video named like a playlist begins as something else.
enum class ContentStart { Undecided, Markup, Other };
ContentStart contentStartOf(const QByteArray& head);

}  // namespace movie
