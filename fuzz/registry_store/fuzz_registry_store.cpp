#include "platform/registry/RegistryStoreFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto tree = platform::registry_store::decode(bytes);
    // Whatever is accepted must be exactly what encoding the result gives back.
    if (tree && platform::registry_store::encode(*tree) != bytes) std::abort();
    return 0;
}
