#include "platform/forms/UriList.h"

#include <optional>

namespace platform::forms {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

QByteArray trimmed(const QByteArray& line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line.at(begin))) ++begin;
    while (end > begin && isBlank(line.at(end - 1))) --end;
    return line.mid(begin, end - begin);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes %XY escapes to bytes; a stray '%' or a NUL, escaped or not, makes the path unusable.
std::optional<QByteArray> percentDecoded(const QByteArray& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '\0') return std::nullopt;
        if (c != '%') {
            bytes.append(c);
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = hexValue(text.at(i + 1));
        const int low = hexValue(text.at(i + 2));
        if (high < 0 || low < 0 || (high == 0 && low == 0)) return std::nullopt;
        bytes.append(char(high * 16 + low));
        i += 2;
    }
    return bytes;
}

// The still-escaped path of a file: address on this machine; nothing for any other address.
std::optional<QByteArray> escapedLocalPath(const QByteArray& uri) {
    static const QByteArray scheme("file:");
    if (uri.size() < scheme.size() || uri.left(scheme.size()).toLower() != scheme) return std::nullopt;
    QByteArray rest = uri.mid(scheme.size());
    // A query or fragment has no meaning for a file; better to skip the entry than to guess.
    if (rest.contains('?') || rest.contains('#')) return std::nullopt;
    if (rest.startsWith("//")) {
        const qsizetype slash = rest.indexOf('/', 2);
        if (slash < 0) return std::nullopt;
        const QByteArray host = rest.mid(2, slash - 2).toLower();
        if (!host.isEmpty() && host != "localhost") return std::nullopt;
        rest = rest.mid(slash);
    }
    if (!rest.startsWith('/')) return std::nullopt;
    return rest;
}

}  // namespace

QList<QByteArray> localFilesOfUriList(const QByteArray& list) {
    QList<QByteArray> files;
    for (const QByteArray& raw : list.split('\n')) {
        const QByteArray line = trimmed(raw);
        if (line.isEmpty() || line.startsWith('#')) continue;
        const std::optional<QByteArray> escaped = escapedLocalPath(line);
        if (!escaped) continue;
        if (std::optional<QByteArray> path = percentDecoded(*escaped)) files.append(*path);
    }
    return files;
}

}  // namespace platform::forms
