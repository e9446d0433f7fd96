#include "platform/url/UrlQuery.h"

#include <cstddef>
#include <cstdint>

// Besides not crashing: every value, once escaped, must split and unescape back to itself.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<platform::QueryPair> pairs = platform::splitQuery(text);
    for (const platform::QueryPair& pair : pairs) {
        const QString query =
            QStringLiteral("?v=") + platform::escapeQueryValue(pair.second) + QStringLiteral("&z=1");
        const QList<platform::QueryPair> again = platform::splitQuery(query);
        if (again.size() != 2 || again.at(0).second != pair.second) __builtin_trap();
    }
    if (platform::unescapeQueryValue(platform::escapeQueryValue(text)) != text) __builtin_trap();
    return 0;
}
