#pragma once

#include "platform/desktop/ShellLauncher.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/MessageBoxes.h"
#include "platform/registry/Registry.h"

#include <QString>

namespace about {

// The About box: title, version, authorship, the maker's site, mail and donation links, the
// details message and the System Information launcher. Made afresh for every showing.
class frmAbout {
public:
    frmAbout(const platform::forms::ScreenMetrics& screen, platform::Registry& registry,
             platform::ShellLauncher& launcher, platform::forms::MessageBoxes& messages);

    // Loads the box and shows it modal, centred over owner when there is one; returns once
    // it is unloaded.
    void ShowModal(const platform::forms::Form* owner = nullptr);

    void Form_Load();
    void StartSysInfo();
    // Reads one value of KeyName below KeyRoot into KeyVal, through a 1024-byte buffer:
    // strings are copied, 32-bit numbers written in decimal, other types leave KeyVal as it
    // was. False, with KeyVal empty, when the key or the value cannot be read.
    bool GetKeyValue(platform::HKEY KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);

    platform::forms::Form& form() { return m_form; }

private:
    void compose();
    void wireEvents();
    void showDetails();

    platform::Registry& m_registry;
    platform::ShellLauncher& m_launcher;
    platform::forms::MessageBoxes& m_messages;
    platform::forms::Form m_form;
};

}  // namespace about
