#include "platform/forms/ControlFactories.h"

#include "platform/forms/ExtenderControl.h"

#include <stdexcept>

namespace platform::forms {

void ControlFactories::add(const QString& progId, Factory factory) {
    m_factories.emplace(progId, std::move(factory));
}

std::unique_ptr<ExtenderControl> ControlFactories::create(const QString& progId, const QString& name,
                                                          Container& parent) const {
    const auto it = m_factories.constFind(progId);
    if (it == m_factories.constEnd())
        throw std::runtime_error("cannot create object " + progId.toStdString());
    return (*it)(name, parent);
}

}  // namespace platform::forms
