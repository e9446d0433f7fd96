// How the control bar shows the player's state, position, download and volume.
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/views/ControlbarView.h"
#include "player/movie/views/controlbar/Clips.h"
#include "player/movie/views/controlbar/ClockText.h"

#include <algorithm>
#include <cmath>

namespace movie {

namespace {
constexpr double kVolumeLength = 20;  // the slider's length: one unit for each 5 % of volume

double sane(double seconds) {
    return std::isfinite(seconds) && seconds > 0 ? seconds : 0;
}
}  // namespace

void ControlbarView::showState(PlayerState state) {
    if (state == PlayerState::Paused) {
        m_ply->show();
        m_pas->hide();
    } else if (state == PlayerState::Buffering || state == PlayerState::Playing) {
        m_ply->hide();
        m_pas->show();
    }
}

void ControlbarView::showTime(double elapsed, double remaining) {
    m_elapsed = sane(elapsed);
    m_remaining = sane(remaining);
    m_itemLength = m_elapsed + m_remaining;
    const double widths = m_layout.barWidths;
    if (m_elapsed == 0 || m_itemLength <= 0)
        m_playedWidth = 0;
    else
        m_playedWidth =
            std::clamp(std::floor(m_elapsed / m_itemLength * widths) - 2, 0.0, std::max(widths, 0.0));
    // While the pointer drags the knob, the knob follows the pointer, not the clock.
    if (m_follow != Follow::Seek) m_knobX = m_playedWidth + m_layout.bar.x + 1;
    m_elpTxt->setText(clockText(m_elapsed));
    if (m_loadedWidth == widths) m_remTxt->setText(clockText(m_remaining));
    placeProgress();
}

void ControlbarView::showLoad(double percent) {
    if (m_wasLoaded) return;
    const double p = std::isfinite(percent) ? std::clamp(percent, 0.0, 100.0) : 0;
    m_loadedWidth = flashRound(m_layout.barWidths * p / 100);
    m_remTxt->setText(loadText(p));
    if (p >= 100) m_wasLoaded = true;
    placeProgress();
}

void ControlbarView::newItem() {
    m_wasLoaded = false;
}

void ControlbarView::placeProgress() {
    place(m_bck, m_layout.bck.x, 0, std::max(m_loadedWidth, 0.0), kControlbarHeight);
    place(m_bar, m_layout.bar.x, 0, m_playedWidth, kControlbarHeight);
    place(m_knob, m_knobX, 5, 5, 10);
}

void ControlbarView::showVolume(int volume) {
    m_maskWidth = std::clamp(flashRound(volume / 5.0), 0.0, kVolumeLength);
    m_volIcon->setOpacity(volume == 0 ? 0.4 : 1);
    showVolumeMask();
}

void ControlbarView::showVolumeMask() {
    place(m_msk, 12, 0, m_maskWidth, kControlbarHeight);
}

void ControlbarView::showCaptionsChoice(bool shown) {
    m_ccIcon->setOpacity(shown ? 1 : 0.4);
}

}  // namespace movie
