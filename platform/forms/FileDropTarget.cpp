#include "platform/forms/FileDropTarget.h"

#include "platform/forms/DroppedFiles.h"
#include "platform/forms/Form.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace platform::forms {

void DragAcceptFiles(Form& form, bool accept) {
    QWidget* window = form.widget();
    if (!window) return;
    FileDropTarget* target = nullptr;
    for (QObject* child : window->children())
        if (auto* candidate = dynamic_cast<FileDropTarget*>(child)) target = candidate;
    window->setAcceptDrops(accept);
    if (accept && !target) window->installEventFilter(new FileDropTarget(window));
    if (!accept) delete target;
}

bool FileDropTarget::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QMimeData* data = drop->mimeData();
            if (data && !droppedFiles(*data).isEmpty()) {
                // Files are opened, never moved away from the file manager.
                drop->setDropAction(Qt::CopyAction);
                drop->accept();
            } else {
                drop->ignore();
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace platform::forms
