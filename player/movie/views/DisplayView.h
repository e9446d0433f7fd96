#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/ViewContext.h"

#include <QObject>

#include <QLabel>
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
    // `display` holds the "video" and "image" clips, and "activity" if already made.
    DisplayView(const ViewContext& context, QWidget* display, QObject* parent = nullptr);

    // The display area: the stage in full screen, else "displaywidth" x "displayheight".
    QSizeF area() const;
    void layout();

private:
    void showState(PlayerState state);
    QLabel* icon(const QString& name, const QString& asset);
    void placeIcon(QWidget* icon);
    void placeLogo();
    void clicked();

    ViewContext m_context;
    DisplayClip* m_display;
    QPointer<QLabel> m_playIcon;
    QPointer<QLabel> m_activity;
    QPointer<QLabel> m_logo;
    DisplayMessage* m_message = nullptr;
    QSizeF m_picture;
    int m_item = 0;
};

}  // namespace movie
