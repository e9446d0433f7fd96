#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/ViewContext.h"

#include <QObject>

#include <QLabel>
#include <QList>
#include <QPointer>
#include <QSizeF>

namespace movie {

class DisplayClip;
class DisplayMessage;

// The picture area: it scales and centres the video and image clips by the "overstretch" rule,
// clips them to the display, shows the play icon or the busy indicator by state, and turns a
// click into "playpause" (or "getlink" with "linkfromdisplay").
class DisplayView : public QObject {
    Q_OBJECT
public:
    // `pictures` are the clips inside `display` that show the item ("video", "image"); `activity`
    // is the busy indicator when the player made one already, else the view makes it.
    DisplayView(const ViewContext& context, DisplayClip* display, const QList<QWidget*>& pictures = {},
                QLabel* activity = nullptr);

    // The display area: the stage in full screen, else "displaywidth" x "displayheight".
    QSizeF area() const;
    void layout();

private:
    void showState(PlayerState state);
    QLabel* icon(QLabel* label, const QString& name, const QString& asset);
    void placeIcon(QWidget* icon);
    void placeLogo();
    void clicked();

    ViewContext m_context;
    DisplayClip* m_display;
    QList<QPointer<QWidget>> m_pictures;
    QPointer<QLabel> m_playIcon;
    QPointer<QLabel> m_activity;
    QPointer<QLabel> m_logo;
    DisplayMessage* m_message = nullptr;
    QSizeF m_picture;
    int m_item = 0;
};

}  // namespace movie
