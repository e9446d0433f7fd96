#pragma once

#include "player/movie/core/PlayerState.h"
#include "player/movie/views/ViewContext.h"
#include "player/movie/views/controlbar/ControlbarLayout.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace movie {

class ButtonClip;
class ControlbarFader;
class FillClip;
class IconClip;
class TextClip;

// The player's control bar, the "controlbar" clip: play/pause, previous and next, the seek bar
// with its times, full screen, captions and volume. It shows what the controller reports through
// ViewUpdates and asks for changes through ViewRequests.
class ControlbarView : public QWidget {
    Q_OBJECT
public:
    ControlbarView(const ViewContext& context, QWidget* parent);
    ~ControlbarView() override;

    // Places the bar and its parts for the current configuration, stage and feed.
    void relayout();

    const ControlbarLayout& placement() const { return m_layout; }
    double barWidths() const { return m_layout.barWidths; }
    double itemLength() const { return m_itemLength; }
    bool wasLoaded() const { return m_wasLoaded; }
    bool hidePending() const;
    double barOpacity() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Follow { None, Seek, Volume };

    void buildParts();
    void readColors();
    ControlbarLayoutInput layoutInput() const;
    void place(QWidget* widget, double x, double y, double width, double height) const;
    void place(QWidget* widget, const ClipPlacement& placement, double y = 0,
               double height = kControlbarHeight) const;

    void showState(PlayerState state);
    void showTime(double elapsed, double remaining);
    void showLoad(double percent);
    void showVolume(int volume);
    void showCaptionsChoice(bool shown);
    void newItem();
    void placeProgress();
    void showVolumeMask();

    void startFollow(Follow follow, const QPointF& pointer);
    void followFrame();
    void finishFollow(const QPointF& pointer);
    QPointF clipPointer(QWidget* clip, QObject* watched, const QPointF& position) const;

    ViewContext m_context;
    ControlbarLayout m_layout;
    QColor m_front, m_backColor, m_light;

    FillClip* m_back = nullptr;
    ButtonClip* m_playpause = nullptr;
    IconClip* m_ply = nullptr;
    IconClip* m_pas = nullptr;
    ButtonClip* m_prev = nullptr;
    ButtonClip* m_next = nullptr;
    QWidget* m_scrub = nullptr;
    FillClip* m_shd = nullptr;
    FillClip* m_bck = nullptr;
    FillClip* m_bar = nullptr;
    IconClip* m_knob = nullptr;
    TextClip* m_elpTxt = nullptr;
    TextClip* m_remTxt = nullptr;
    ButtonClip* m_fs = nullptr;
    IconClip* m_fsIcon = nullptr;
    IconClip* m_nsIcon = nullptr;
    ButtonClip* m_cc = nullptr;
    IconClip* m_ccIcon = nullptr;
    ButtonClip* m_vol = nullptr;
    IconClip* m_volIcon = nullptr;
    FillClip* m_volBck = nullptr;
    QWidget* m_msk = nullptr;
    FillClip* m_volBar = nullptr;
    ControlbarFader* m_fader = nullptr;

    // Display state, in the bar's own units.
    double m_elapsed = 0;
    double m_remaining = 0;
    double m_itemLength = 0;
    double m_playedWidth = 0;
    double m_loadedWidth = 0;
    double m_knobX = 0;
    double m_maskWidth = 0;
    bool m_wasLoaded = false;

    Follow m_follow = Follow::None;
    QPointF m_pointer;  // in the followed clip's units
    QMetaObject::Connection m_frameTicks;
};

}  // namespace movie
