#include "runtime/moviefile/MovieFile.h"

#include <zlib.h>

#include <QtEndian>

namespace runtime {
namespace {

constexpr char kSignature[3] = {'Q', 'M', 'V'};
constexpr int kHeaderLength = 8;
constexpr int kMaxAssets = 1024;
constexpr int kMaxNameLength = 255;

void putU16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
void putU32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
void putName(QByteArray& out, const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    putU16(out, static_cast<quint16>(utf8.size()));
    out.append(utf8);
}

// Bounds-checked reader over the inflated body.
class Reader {
public:
    explicit Reader(const QByteArray& data) : m_data(data) {}
    bool u16(quint16& v) { return fixed(v); }
    bool u32(quint32& v) { return fixed(v); }
    bool bytes(qsizetype n, QByteArray& out) {
        if (n < 0 || n > remaining()) return false;
        out = m_data.mid(m_pos, n);
        m_pos += n;
        return true;
    }
    bool name(QString& out) {
        quint16 len = 0;
        QByteArray utf8;
        if (!u16(len) || len == 0 || len > kMaxNameLength || !bytes(len, utf8)) return false;
        out = QString::fromUtf8(utf8);
        return true;
    }
    qsizetype remaining() const { return m_data.size() - m_pos; }

private:
    template <typename T>
    bool fixed(T& v) {
        if (remaining() < qsizetype(sizeof(T))) return false;
        v = qFromLittleEndian<T>(m_data.constData() + m_pos);
        m_pos += sizeof(T);
        return true;
    }
    const QByteArray& m_data;
    qsizetype m_pos = 0;
};

std::optional<QByteArray> inflateExactly(const QByteArray& compressed, quint32 expected) {
    QByteArray out(qsizetype(expected), Qt::Uninitialized);
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) return std::nullopt;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    zs.avail_in = static_cast<uInt>(compressed.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = expected;
    const int rc = inflate(&zs, Z_FINISH);
    const bool whole = rc == Z_STREAM_END && zs.avail_out == 0 && zs.avail_in == 0;
    inflateEnd(&zs);
    if (!whole) return std::nullopt;
    return out;
}

std::optional<Movie> fail(QString* error, const char* why) {
    if (error) *error = QString::fromLatin1(why);
    return std::nullopt;
}

}  // namespace

const QByteArray* Movie::asset(const QString& name) const {
    for (const MovieAsset& a : assets)
        if (a.name == name) return &a.data;
    return nullptr;
}

QByteArray encodeMovie(const Movie& movie) {
    QByteArray body;
    putU16(body, static_cast<quint16>(movie.stageWidth));
    putU16(body, static_cast<quint16>(movie.stageHeight));
    putU16(body, static_cast<quint16>(movie.frameRate * 256.0));
    putU32(body, movie.backgroundRgb);
    putName(body, movie.program);
    putU16(body, static_cast<quint16>(movie.assets.size()));
    for (const MovieAsset& a : movie.assets) {
        putName(body, a.name);
        putU32(body, static_cast<quint32>(a.data.size()));
        body.append(a.data);
    }

    uLongf bound = compressBound(static_cast<uLong>(body.size()));
    QByteArray compressed(qsizetype(bound), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef*>(compressed.data()), &bound,
              reinterpret_cast<const Bytef*>(body.constData()), static_cast<uLong>(body.size()), 9);
    compressed.resize(qsizetype(bound));

    QByteArray file(kSignature, 3);
    file.append(char(kMovieFormatVersion));
    putU32(file, static_cast<quint32>(kHeaderLength + body.size()));
    file.append(compressed);
    return file;
}

std::optional<Movie> decodeMovie(const QByteArray& bytes, QString* error) {
    if (bytes.size() < kHeaderLength) return fail(error, "file shorter than its header");
    if (!bytes.startsWith(QByteArray(kSignature, 3))) return fail(error, "wrong signature");
    if (bytes.at(3) != char(kMovieFormatVersion)) return fail(error, "unsupported version");
    const quint32 total = qFromLittleEndian<quint32>(bytes.constData() + 4);
    if (total <= quint32(kHeaderLength) || total > kMaxMovieLength)
        return fail(error, "declared length out of range");

    const auto body = inflateExactly(bytes.mid(kHeaderLength), total - kHeaderLength);
    if (!body) return fail(error, "body does not inflate to the declared length");

    Reader in(*body);
    Movie movie;
    quint16 width = 0, height = 0, rate = 0, count = 0;
    quint32 background = 0;
    if (!in.u16(width) || !in.u16(height) || !in.u16(rate) || !in.u32(background))
        return fail(error, "truncated stage header");
    if (width == 0 || height == 0 || rate == 0 || background > 0xFFFFFF)
        return fail(error, "invalid stage header");
    movie.stageWidth = width;
    movie.stageHeight = height;
    movie.frameRate = rate / 256.0;
    movie.backgroundRgb = background;
    if (!in.name(movie.program)) return fail(error, "invalid program name");
    if (!in.u16(count) || count > kMaxAssets) return fail(error, "invalid asset count");
    for (int i = 0; i < count; ++i) {
        MovieAsset a;
        quint32 size = 0;
        if (!in.name(a.name) || !in.u32(size) || !in.bytes(qsizetype(size), a.data))
            return fail(error, "truncated asset");
        if (movie.asset(a.name)) return fail(error, "duplicate asset name");
        movie.assets.append(std::move(a));
    }
    if (in.remaining() != 0) return fail(error, "trailing bytes after the assets");
    return movie;
}

}  // namespace runtime
