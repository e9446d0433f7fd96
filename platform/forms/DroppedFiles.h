#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class QMimeData;
class QTemporaryDir;

namespace platform::forms {

// The local files of a drag, in the order the sender listed them, as the bytes of their paths.
// File managers send them as text/uri-list; anything else in the drag is not a file.
QList<QByteArray> droppedFiles(const QMimeData& data);

// Hands dropped paths to the program as strings that open the very same files. Qt carries file
// names as UTF-8 and replaces bytes that are not, so such a name is reached through a link of
// our own in a private temporary folder; the links live as long as this object.
class DroppedFileNames {
public:
    DroppedFileNames();
    ~DroppedFileNames();
    DroppedFileNames(const DroppedFileNames&) = delete;
    DroppedFileNames& operator=(const DroppedFileNames&) = delete;

    // The path to use, or the empty string with *error set when no such path could be made.
    QString pathFor(const QByteArray& nativePath, QString* error);

private:
    QString linkTo(const QByteArray& nativePath, QString* error);

    std::unique_ptr<QTemporaryDir> m_links;
    int m_linkCount = 0;
};

}  // namespace platform::forms
