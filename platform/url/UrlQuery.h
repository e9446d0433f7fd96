#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace platform {

// Decodes "%XX" escapes. Escaped bytes that form valid UTF-8 decode as UTF-8 and any other escaped byte
// as Latin-1, so a path escaped by an older Latin-1 encoder still arrives readable. A "%" not followed by
// two hexadecimal digits is kept as it is, and "+" stays "+" (the configuration is not form-encoded).
QString unescapeQueryValue(const QString& text);

// Escapes a value for a URL query so that unescapeQueryValue() gives it back unchanged: "%", "&", "#", "+",
// "=",
// "?", spaces, control characters, non-ASCII (as UTF-8 escapes) and the characters a URL parser would
// rewrite ('"', '<', '>', '\', '^', '`', '{', '|', '}', '[', ']'). "/" and ":" stay readable.
QString escapeQueryValue(const QString& value);

using QueryPair = QPair<QString, QString>;
using QueryPairs = QList<QueryPair>;

// Splits a query ("a=1&b=2", a leading "?" allowed) into its (name, value) pairs in order: on "&", then
// on the first "=" of each part; both sides are unescaped. Empty parts are skipped, a part without "="
// gives an empty value.
QueryPairs splitQuery(const QString& query);

}  // namespace platform
