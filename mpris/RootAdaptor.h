#pragma once

#include "mpris/MprisActions.h"

#include <QDBusAbstractAdaptor>
#include <QStringList>

namespace mpris {

// The org.mpris.MediaPlayer2 interface: who we are and what the desktop may do with the window.
class RootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
public:
    RootAdaptor(QObject* object, const MprisActions& actions);

    QString identity() const;
    QString desktopEntry() const;
    QStringList supportedUriSchemes() const;
    QStringList supportedMimeTypes() const;
    bool canQuit() const { return true; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }

public Q_SLOTS:
    void Quit();
    void Raise();

private:
    const MprisActions& m_actions;
};

}  // namespace mpris
