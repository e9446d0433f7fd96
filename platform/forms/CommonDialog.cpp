#include "platform/forms/CommonDialog.h"

#include "platform/forms/Form.h"

#include <QFileDialog>

namespace platform::forms {

QStringList CommonDialog::nameFiltersOf(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt takes the patterns from the parentheses that end an entry, so a description that
        // already ends in exactly these patterns is shown as given; any other gets them added.
        const QString patterns = parts.at(i + 1).trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = parts.at(i);
        if (!description.endsWith(QStringLiteral("(%1)").arg(patterns)))
            description += QStringLiteral(" (%1)").arg(patterns);
        filters.append(description);
    }
    return filters;
}

void CommonDialog::ShowOpen() {
    OpenFileRequest request;
    request.owner = m_owner.widget();
    request.fileName = FileName;
    request.nameFilters = nameFiltersOf(Filter);
    request.defaultSuffix = DefaultExt;
    FileName = m_dialogs.getOpenFileName(request);
}

QString QtFileDialogs::getOpenFileName(const OpenFileRequest& request) {
    QFileDialog dialog(request.owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.nameFilters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace platform::forms
