#pragma once

#include "platform/registry/RegistryTree.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// The per-user registry store on disk. It is outside input (anyone can edit or damage the
// file), so decoding is strict and capped.
//
// Layout, little-endian: "QRVREG", format version byte, a zero byte, u32 key count, then per
// key: u32 length + UTF-8 path, u32 value count, and per value: u32 length + UTF-8 name,
// u32 type, u32 length + data bytes. Nothing may follow the last key. Keys appear parent
// first; names are unique without regard to case.
namespace registry_store {

inline constexpr int kFormatVersion = 1;
inline constexpr qsizetype kMaxFileSize = qsizetype{16} * 1024 * 1024;
inline constexpr quint32 kMaxKeys = 100000;
inline constexpr quint32 kMaxValuesPerKey = 16384;
inline constexpr quint32 kMaxPathBytes = 32767;
inline constexpr quint32 kMaxNameBytes = 65535;
inline constexpr quint32 kMaxDataBytes = 1024 * 1024;

QByteArray encode(const RegistryTree& tree);
std::optional<RegistryTree> decode(const QByteArray& bytes, QString* error = nullptr);

}  // namespace registry_store
}  // namespace platform
