#pragma once

#include <QObject>

namespace platform::forms {

class Form;

// Makes a form a target for files dropped from a file manager, or no longer one. While it is,
// drags are taken only when they carry at least one local file.
void DragAcceptFiles(Form& form, bool accept);

// The acceptance itself: it decides on drags and drops and lets every event go on to the window.
class FileDropTarget : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace platform::forms
