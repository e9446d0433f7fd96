#include "platform/registry/RegistryStoreFile.h"

#include <QStringDecoder>
#include <QtEndian>

namespace platform::registry_store {
namespace {

constexpr char kMagic[] = "QRVREG";
constexpr qsizetype kMagicSize = 6;

void putU32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putBytes(QByteArray& out, const QByteArray& bytes) {
    putU32(out, static_cast<quint32>(bytes.size()));
    out.append(bytes);
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos == m_bytes.size(); }
    qsizetype remaining() const { return m_bytes.size() - m_pos; }

    bool u32(quint32* v) {
        if (remaining() < 4) return false;
        *v = qFromLittleEndian<quint32>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return true;
    }
    bool bytes(quint32 cap, QByteArray* out) {
        quint32 n = 0;
        if (!u32(&n) || n > cap || remaining() < static_cast<qsizetype>(n)) return false;
        *out = m_bytes.mid(m_pos, n);
        m_pos += n;
        return true;
    }
    bool text(quint32 cap, QString* out) {
        QByteArray raw;
        if (!bytes(cap, &raw) || raw.contains('\0')) return false;
        // A leading BOM is kept as a character, so a name reads back exactly as stored.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        *out = decoder(raw);
        return !decoder.hasError();
    }
    void skip(qsizetype n) { m_pos += n; }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

std::optional<RegistryTree> refuse(QString* error, const QString& why) {
    fail(error, why);
    return std::nullopt;
}

// Keys come in the order of their case-folded paths, values in that of their folded names, so
// a store has one encoding only and repeats are caught as disorder.
bool readKey(Reader& in, RegistryTree& tree, QString* previousKey, QString* error) {
    RegistryKey key;
    if (!in.text(kMaxPathBytes, &key.path)) return fail(error, QStringLiteral("bad key path"));
    const QString foldedPath = RegistryTree::fold(key.path);
    if (!previousKey->isNull() && !(*previousKey < foldedPath))
        return fail(error, QStringLiteral("key %1 out of order or repeated").arg(key.path));
    *previousKey = foldedPath;
    quint32 valueCount = 0;
    // Every value takes at least 12 bytes, so a count beyond what is left is a lie.
    if (!in.u32(&valueCount) || valueCount > kMaxValuesPerKey || valueCount > in.remaining() / 12)
        return fail(error, QStringLiteral("bad value count under %1").arg(key.path));
    for (quint32 i = 0; i < valueCount; ++i) {
        RegistryValue value;
        if (!in.text(kMaxNameBytes, &value.name) || !in.u32(&value.type) ||
            !in.bytes(kMaxDataBytes, &value.data))
            return fail(error, QStringLiteral("bad value under %1").arg(key.path));
        const QString folded = RegistryTree::fold(value.name);
        if (!key.values.isEmpty() && !(key.values.lastKey() < folded))
            return fail(
                error,
                QStringLiteral("value \"%1\" out of order or repeated under %2").arg(value.name, key.path));
        key.values.insert(folded, value);
    }
    if (!tree.insertKey(key))
        return fail(error, QStringLiteral("key %1 is invalid, repeated or has no parent").arg(key.path));
    return true;
}

}  // namespace

QByteArray encode(const RegistryTree& tree) {
    QByteArray out(kMagic, kMagicSize);
    out.append(static_cast<char>(kFormatVersion));
    out.append('\0');
    putU32(out, static_cast<quint32>(tree.keys().size()));
    for (const RegistryKey& key : tree.keys()) {
        putBytes(out, key.path.toUtf8());
        putU32(out, static_cast<quint32>(key.values.size()));
        for (const RegistryValue& value : key.values) {
            putBytes(out, value.name.toUtf8());
            putU32(out, value.type);
            putBytes(out, value.data);
        }
    }
    return out;
}

std::optional<RegistryTree> decode(const QByteArray& bytes, QString* error) {
    if (bytes.size() > kMaxFileSize) return refuse(error, QStringLiteral("file too large"));
    if (bytes.size() < kMagicSize + 2 || !bytes.startsWith(QByteArray(kMagic, kMagicSize)))
        return refuse(error, QStringLiteral("not a registry store"));
    if (bytes.at(kMagicSize) != kFormatVersion || bytes.at(kMagicSize + 1) != 0)
        return refuse(error, QStringLiteral("unknown format version"));
    Reader in(bytes);
    in.skip(kMagicSize + 2);
    quint32 keyCount = 0;
    // Every key takes at least 9 bytes.
    if (!in.u32(&keyCount) || keyCount > kMaxKeys || keyCount > in.remaining() / 9)
        return refuse(error, QStringLiteral("bad key count"));
    RegistryTree tree;
    QString previousKey;
    for (quint32 i = 0; i < keyCount; ++i) {
        if (!readKey(in, tree, &previousKey, error)) return std::nullopt;
    }
    if (!in.atEnd()) return refuse(error, QStringLiteral("trailing bytes"));
    return tree;
}

}  // namespace platform::registry_store
