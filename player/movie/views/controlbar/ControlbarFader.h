#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QGraphicsOpacityEffect;
class QPropertyAnimation;
class QWidget;
class QWindow;

namespace runtime {
class Stage;
}

namespace movie {

// The fading of a bar that lies over the display: it appears when the pointer moves over the
// display and goes again 2000 ms after the pointer last moved off the bar. The pointer is
// watched on the window that holds the stage, which sees every move whatever child lies under it.
class ControlbarFader : public QObject {
    Q_OBJECT
public:
    static constexpr int kHideDelayMs = 2000;
    static constexpr int kFadeMs = 250;

    // `bar` is faded; it lies on `stage`.
    ControlbarFader(QWidget* bar, runtime::Stage& stage);

    // Sets the bar's opacity at once and whether pointer moves fade it in (`overDisplay`);
    // `displayWidth` bounds the part of the stage where moves count.
    void reset(double opacity, bool overDisplay, double displayWidth);
    void cancelHide() { m_hideTimer.stop(); }
    bool hidePending() const { return m_hideTimer.isActive(); }
    double opacity() const;

    // Called for each pointer move, in stage coordinates.
    void pointerMoved(const QPointF& stagePos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fadeTo(double opacity);
    void watchWindow();

    QWidget* m_bar;
    runtime::Stage& m_stage;
    QGraphicsOpacityEffect* m_effect;
    QPropertyAnimation* m_animation;
    QTimer m_hideTimer;
    QPointer<QWindow> m_window;
    QPointer<QWidget> m_topLevel;
    bool m_overDisplay = false;
    double m_displayWidth = 0;
    double m_target = 1;
};

}  // namespace movie
