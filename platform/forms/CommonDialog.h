#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace platform::forms {

class Form;

// What an Open dialog is asked and answers; behind a seam so tests can answer it.
struct OpenFileRequest {
    QWidget* owner = nullptr;
    QString fileName;         // shown pre-filled
    QStringList nameFilters;  // Qt form: "description (patterns)"
    QString defaultSuffix;    // appended to a typed name without extension
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or the empty string when the user cancelled.
    virtual QString getOpenFileName(const OpenFileRequest& request) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString getOpenFileName(const OpenFileRequest& request) override;
};

// The common dialog control: set its properties, call ShowOpen, read FileName.
class CommonDialog {
public:
    CommonDialog(Form& owner, FileDialogs& dialogs) : m_owner(owner), m_dialogs(dialogs) {}

    QString DefaultExt;
    // "description|pattern" pairs, separated by "|".
    QString Filter;
    long Flags = 0;
    // Kept from one use to the next; empty after a cancel.
    QString FileName;

    void ShowOpen();

    // The Filter property as the dialog's list of entries.
    static QStringList nameFiltersOf(const QString& filter);

private:
    Form& m_owner;
    FileDialogs& m_dialogs;
};

}  // namespace platform::forms
