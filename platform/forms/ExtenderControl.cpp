#include "platform/forms/ExtenderControl.h"

#include "platform/forms/Errors.h"

namespace platform::forms {

void ExtenderControl::raiseObjectEvent(const EventInfo& info) {
    if (!ObjectEvent) return;
    runHandler(Name() + QStringLiteral("_ObjectEvent"), [&] { ObjectEvent(info); });
}

}  // namespace platform::forms
