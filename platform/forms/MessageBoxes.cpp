#include "platform/forms/MessageBoxes.h"

#include <QMessageBox>

namespace platform::forms {

void QtMessageBoxes::show(const QString& text, MessageIcon icon, const QString& title) {
    // Lines separated by a carriage return alone are lines here too.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon, title,
                    lines, QMessageBox::Ok);
    box.exec();
}

}  // namespace platform::forms
