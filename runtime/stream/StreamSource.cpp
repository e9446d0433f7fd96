#include "runtime/stream/StreamSource.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

namespace {

StreamSource refuse(const QString& why, NotFound refusal) {
    StreamSource source;
    source.error = why;
    source.refusal = refusal;
    return source;
}

StreamSource localFile(const QString& path) {
    if (path.isEmpty()) return refuse(QStringLiteral("no file given"), NotFound::Missing);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QByteArray native = QFile::encodeName(absolute);
    // O_NONBLOCK so that a FIFO without a writer cannot stall the open; fstat then tells what the
    // path really is after symbolic links.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refuse(QStringLiteral("%1: %2").arg(absolute, QString::fromLocal8Bit(strerror(errno))),
                      NotFound::Missing);
    struct stat st {};
    const bool statted = ::fstat(fd, &st) == 0;
    ::close(fd);
    if (!statted || !S_ISREG(st.st_mode))
        return refuse(QStringLiteral("%1: not a regular file").arg(absolute), NotFound::Unreadable);
    if (st.st_size <= 0) return refuse(QStringLiteral("%1: empty file").arg(absolute), NotFound::Unreadable);
    StreamSource source;
    source.kind = StreamSource::Kind::Local;
    source.location = absolute;
    source.fileSize = st.st_size;
    return source;
}

// The RTMP schemes libmpv's own client plays, each with the transports under it.
const QHash<QString, QString>& rtmpTransports() {
    static const QHash<QString, QString> kTransports = {
        {QStringLiteral("rtmp"), QStringLiteral("tcp")},
        {QStringLiteral("rtmps"), QStringLiteral("tls,tcp")},
        {QStringLiteral("rtmpt"), QStringLiteral("http,tcp")},
        {QStringLiteral("rtmpts"), QStringLiteral("https,tls,tcp")},
    };
    return kTransports;
}

}  // namespace

StreamSource resolveStreamSource(const QString& url) {
    static const QRegularExpression schemePattern(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*)://"));
    const QRegularExpressionMatch match = schemePattern.match(url);
    const bool hasScheme = match.hasMatch();
    const QString scheme = match.captured(1).toLower();
    const bool http = scheme == QLatin1String("http") || scheme == QLatin1String("https");
    if (hasScheme && (http || rtmpTransports().contains(scheme))) {
        const QUrl address(url);
        if (!address.isValid() || address.host().isEmpty())
            return refuse(QStringLiteral("%1: not a valid address").arg(url), NotFound::Unreachable);
        StreamSource source;
        source.kind = http ? StreamSource::Kind::Http : StreamSource::Kind::Rtmp;
        // RTMP stream names are passed as written: servers take them byte for byte.
        source.location = http ? address.toString(QUrl::FullyEncoded) : url;
        source.scheme = scheme;
        return source;
    }
    if (hasScheme && scheme == QLatin1String("file")) return localFile(QUrl(url).toLocalFile());
    if (hasScheme) return refuse(QStringLiteral("%1: unsupported address").arg(url), NotFound::Unreachable);
    return localFile(url);
}

QString allowedProtocols(const StreamSource& source) {
    if (source.kind == StreamSource::Kind::Local) return QStringLiteral("file");
    if (source.kind == StreamSource::Kind::Http) return QStringLiteral("http,https,tcp,tls");
    return source.scheme + QLatin1Char(',') + rtmpTransports().value(source.scheme);
}

}  // namespace runtime
