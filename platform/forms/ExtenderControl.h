#pragma once

#include "platform/forms/Control.h"

#include <QList>
#include <QVariant>

namespace platform::forms {

struct EventParameter {
    QString Name;
    QVariant Value;
};

// A component's event as the container passes it on: a name and ordered parameters.
struct EventInfo {
    QString Name;
    QList<EventParameter> EventParameters;
};

// A control added at run time from a component: its own properties and methods are bound by
// name when called, and its events arrive through the generic ObjectEvent.
class ExtenderControl : public Control {
public:
    // Both throw std::runtime_error for a name the component does not have.
    virtual void setProperty(const QString& name, const QVariant& value) = 0;
    virtual QVariant invoke(const QString& method, const QVariantList& arguments) = 0;

    std::function<void(const EventInfo&)> ObjectEvent;

protected:
    using Control::Control;
    void raiseObjectEvent(const EventInfo& info);
};

}  // namespace platform::forms
