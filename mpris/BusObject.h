#pragma once

#include <QDBusContext>
#include <QObject>

namespace mpris {

// The object the two interfaces hang on. Qt D-Bus tells it about the call it delivers, which lets
// an interface answer a bad call with an error.
class BusObject : public QObject, public QDBusContext {
    Q_OBJECT
};

}  // namespace mpris
