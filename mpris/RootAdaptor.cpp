#include "mpris/RootAdaptor.h"

#include "mpris/SupportedMedia.h"
#include "platform/desktop/DesktopEntry.h"

#include <QMetaObject>

namespace mpris {

RootAdaptor::RootAdaptor(QObject* object, const MprisActions& actions)
    : QDBusAbstractAdaptor(object), m_actions(actions) {}

QString RootAdaptor::identity() const {
    return QStringLiteral("Quorvel");
}

QString RootAdaptor::desktopEntry() const {
    // Panels take the name and icon from the installed entry of this ID.
    return QLatin1String(platform::desktop_entry::kDesktopId);
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
