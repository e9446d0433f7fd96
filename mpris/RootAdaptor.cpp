#include "mpris/RootAdaptor.h"

#include "mpris/SupportedMedia.h"

#include <QMetaObject>

namespace mpris {

RootAdaptor::RootAdaptor(QObject* object, const MprisActions& actions)
    : QDBusAbstractAdaptor(object), m_actions(actions) {}

QString RootAdaptor::identity() const {
    return QStringLiteral("Quorvel");
}

QString RootAdaptor::desktopEntry() const {
    return QStringLiteral("quorvel");
}

QStringList RootAdaptor::supportedUriSchemes() const {
    return mpris::supportedUriSchemes();
}

QStringList RootAdaptor::supportedMimeTypes() const {
    return mpris::supportedMimeTypes();
}

void RootAdaptor::Quit() {
    // After this call's reply has gone: the quit ends the event loop.
    QMetaObject::invokeMethod(
        this, [this] { m_actions.quit(); }, Qt::QueuedConnection);
}

void RootAdaptor::Raise() {
    m_actions.raise();
}

}  // namespace mpris
