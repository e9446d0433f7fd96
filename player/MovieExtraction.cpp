#include "player/MovieExtraction.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace player {

void writeNewPrivateFile(const QString& path, const QByteArray& bytes) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST) throw FileExistsError("file exists");
        throw std::runtime_error(std::strerror(errno));
    }
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(native.constData());
            throw std::runtime_error(std::strerror(error));
        }
        written += n;
    }
    if (::close(fd) != 0) {
        ::unlink(native.constData());
        throw std::runtime_error("cannot close the movie file");
    }
}

}  // namespace player
