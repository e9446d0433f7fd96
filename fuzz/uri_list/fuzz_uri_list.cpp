// Any bytes a drag may carry as text/uri-list: local paths come out absolute, without NUL, and
// a path written back as a file address reads the same again.
#include "platform/forms/UriList.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray list(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> files = platform::forms::localFilesOfUriList(list);
    QByteArray again;
    for (const QByteArray& path : files) {
        if (!path.startsWith('/') || path.contains('\0')) std::abort();
        again += "file://" + path.toPercentEncoding("/") + "\r\n";
    }
    if (platform::forms::localFilesOfUriList(again) != files) std::abort();
    return 0;
}
