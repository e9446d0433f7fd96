#include "intake/Module1.h"

#include "logging/LogCategories.h"
#include "platform/forms/Errors.h"
#include "platform/forms/FileDropTarget.h"
#include "player/Form1.h"

#include <QDropEvent>

namespace intake {

Module1::Module1(player::Form1& mainForm) : m_mainForm(mainForm) {}

void Module1::EnableFileDrop(platform::forms::Form& form) {
    platform::forms::DragAcceptFiles(form, true);
    Hook(form);
}

void Module1::DisableFileDrop(platform::forms::Form& form) {
    platform::forms::DragAcceptFiles(form, false);
    Unhook(form);
}

void Module1::Hook(platform::forms::Form& form) {
    m_prevWndProc = std::make_unique<platform::forms::WindowProcedure>(
        form, [this](QEvent& event) { WindowProc(event); });
}

void Module1::Unhook(platform::forms::Form&) {
    m_prevWndProc.reset();
}

void Module1::WindowProc(QEvent& event) {
    if (event.type() != QEvent::Drop) return;
    const QMimeData* data = static_cast<QDropEvent&>(event).mimeData();
    // A file that fails to load must not take the window down with it.
    if (data) platform::forms::runHandler(QStringLiteral("Module1.DropFiles"), [&] { DropFiles(*data); });
}

void Module1::DropFiles(const QMimeData& drop) {
    const QList<QByteArray> files = platform::forms::droppedFiles(drop);
    if (files.isEmpty()) return;
    QString error;
    const QString path = m_names.pathFor(files.constFirst(), &error);
    if (path.isEmpty()) {
        qCWarning(quorvel::log::intake, "dropped file not loaded: %s", qUtf8Printable(error));
        return;
    }
    m_mainForm.GotADrop(path);
}

}  // namespace intake
