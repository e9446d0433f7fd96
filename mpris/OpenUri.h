#pragma once

#include <QString>

namespace mpris {

// What an OpenUri address hands the window's load: a local path for a file: address, the address
// itself for the other schemes it plays; empty with a reason for a malformed or unplayable one.
struct LoadTarget {
    QString path;
    QString error;
};

LoadTarget loadTargetOf(const QString& uri);

}  // namespace mpris
