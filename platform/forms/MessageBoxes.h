#pragma once

#include <QString>

namespace platform::forms {

// Message boxes, behind a seam so tests can read what would be shown.
enum class MessageIcon { None, Information };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const QString& text, MessageIcon icon, const QString& title) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
    void show(const QString& text, MessageIcon icon, const QString& title) override;
};

}  // namespace platform::forms
