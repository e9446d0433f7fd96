#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace platform {

using QueryPairs = QList<QPair<QString, QString>>;

// Percent-decoding as the player component applies it to query and FlashVars values: "%XX"
// sequences become bytes, read as UTF-8 (bytes that are not UTF-8 are kept as Latin-1 so no
// character is lost); "+" becomes a space; a "%" not followed by two hex digits stays as it is.
QString unescapeQueryValue(const QString& text);

// Escapes a value for a query so that unescapeQueryValue gives it back exactly: everything
// that the query syntax or the decoding would change ("%", "&", "#", "+", "=", "?", blanks,
// control and non-ASCII characters) is percent-encoded as UTF-8; "/" and ":" stay readable.
QString escapeQueryValue(const QString& text);

// Splits "a=1&b=2" into its pairs, in order, each name and value unescaped. A pair without "="
// has an empty value; empty pairs are skipped.
QueryPairs splitQuery(const QString& query);

}  // namespace platform
