#pragma once

#include <QString>

namespace platform {

// The desktop's own side of the .flv association: what makes a double-click on a .flv file in
// the file manager start Quorvel.
class DesktopAssociation {
public:
    virtual ~DesktopAssociation() = default;
    // Installs Quorvel's desktop entry and makes it the user's default for video/x-flv.
    virtual bool install(QString* error) = 0;
    // Takes back what install added, where it is still as install left it; restores nothing else.
    virtual bool remove(QString* error) = 0;
};

}  // namespace platform
