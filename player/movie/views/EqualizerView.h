#pragma once

#include "player/movie/core/PlayerState.h"
#include "player/movie/views/ViewContext.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <functional>

namespace movie {

// The "equalizer" clip: bars over the bottom of the display that follow the sound of what plays.
// The levels come from `levels`: one value from 0 to 1 for each band, read once a frame while the
// player plays; afterwards the bars fall back to nothing.
class EqualizerView : public QWidget {
    Q_OBJECT
public:
    using LevelSource = std::function<QList<double>()>;
    static constexpr int kHeight = 40;
    static constexpr double kFallPerFrame = 0.08;  // how fast a bar drops when the sound does

    EqualizerView(const ViewContext& context, LevelSource levels, QWidget* parent);

    void relayout();
    QList<double> shownLevels() const { return m_shown; }
    bool following() const { return bool(m_frameTicks); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showState(PlayerState state);
    void frame();
    void stopFollowing();

    ViewContext m_context;
    LevelSource m_levels;
    QColor m_color;
    QList<double> m_shown;
    bool m_playing = false;
    QMetaObject::Connection m_frameTicks;
};

}  // namespace movie
