#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/ViewContext.h"

#include <QObject>

namespace movie {

// The keyboard: space plays or pauses, left and right seek 5 seconds (or change item in a
// playlist), up and down change the volume by 10. Keeps the keyboard focus on the player while
// its window is active.
class InputView : public QObject {
    Q_OBJECT
public:
    explicit InputView(const ViewContext& context, QObject* parent = nullptr);

    void keyDown(int keyCode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void seekBy(double seconds, Request otherwise);
    void focusPlayer();

    ViewContext m_context;
    double m_elapsed = 0;
    int m_volume = 0;
};

}  // namespace movie
