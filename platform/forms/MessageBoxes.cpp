#include "platform/forms/MessageBoxes.h"

#include <QMessageBox>

namespace platform::forms {

void QtMessageBoxes::show(const QString& text, MessageIcon icon, const QString& title) {
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon, title,
                    text, QMessageBox::Ok);
    box.exec();
}

}  // namespace platform::forms
