#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace player {

class FileExistsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Creates the file, which must not exist yet (nor be a link), readable by its owner only, and
// writes the bytes. Throws FileExistsError when something is already there, std::runtime_error
// for any other failure (and then leaves no partial file).
void writeNewPrivateFile(const QString& path, const QByteArray& bytes);

}  // namespace player
