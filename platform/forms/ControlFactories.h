#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <memory>

namespace platform::forms {

class Container;
class ExtenderControl;

// Controls created at run time by their ProgID, the way a form adds an ActiveX control to its
// Controls collection. The application registers the components it carries.
class ControlFactories {
public:
    using Factory = std::function<std::unique_ptr<ExtenderControl>(const QString& name, Container& parent)>;

    void add(const QString& progId, Factory factory);
    // Throws std::runtime_error when no component is registered under the ProgID.
    std::unique_ptr<ExtenderControl> create(const QString& progId, const QString& name,
                                            Container& parent) const;

private:
    QHash<QString, Factory> m_factories;
};

}  // namespace platform::forms
