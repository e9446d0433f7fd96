#include "frame/Layout.h"

#include "platform/forms/Errors.h"
#include "platform/forms/ScreenMetrics.h"
#include "player/Form1.h"
#include "player/WindowFigures.h"

namespace frame {

using platform::forms::skipOnError;

namespace {
constexpr float kButtonGap = 20;
}  // namespace

Layout::Layout(player::Form1& window, const ScreenMode& mode) : m_window(window), m_mode(mode) {
    m_window.form.Resize = [this] { Form_Resize(); };
    m_window.Timer1.TimerEvent = [this] { Timer1_Timer(); };
}

Layout::~Layout() {
    m_window.form.Resize = nullptr;
    m_window.Timer1.TimerEvent = nullptr;
}

void Layout::Form_Resize() {
    if (m_inresize) return;
    m_inresize = true;
    auto& w = m_window;
    auto& form = w.form;
    // Each step reads the window's size afresh and fails on its own.
    skipOnError([&] { w.resizepic.setLeft(form.Width() - w.resizepic.Width()); });
    skipOnError([&] { w.resizepic.setTop(form.Height() - w.resizepic.Height()); });
    skipOnError([&] { w.Picture3.setTop(form.Height() - w.Picture3.Height()); });
    skipOnError([&] { w.Picture4.setLeft(form.Width() - w.Picture4.Width()); });
    skipOnError(
        [&] { w.Picture2.setLeft(form.Width() - w.Picture4.Width() - w.Picture2.Width() - kButtonGap); });
    skipOnError([&] { w.Picture2.setTop(w.Picture4.Top()); });
    fitPlayer(w, m_mode);
    skipOnError([&] { w.status.setLeft(w.Picture2.Left() - w.status.Width() - kButtonGap); });
    if (playerCoversWindow(w, m_mode)) {
        // A window system that sizes the full-screen window itself moves the right edge after
        // entering; the leave button stays just left of the Quit button.
        skipOnError([&] { w.restorepic.setLeft(form.Width() - w.Picture4.Width() - w.restorepic.Width()); });
    }
    m_inresize = false;
}

float Layout::minimumWidth() const {
    const auto& form = m_window.form;
    return (form.Width() - form.ScaleWidth()) +
           player::figures::kStageWidthPixels * form.screen().TwipsPerPixelX();
}

float Layout::minimumHeight() const {
    return player::figures::kStageHeightPixels * m_window.form.screen().TwipsPerPixelY() +
           player::figures::kTopBand + m_window.Picture3.Height();
}

void Layout::Timer1_Timer() {
    auto& w = m_window;
    auto& form = w.form;
    // A minimized window keeps its size; it is brought up to the minimum once restored.
    if (form.windowState() == platform::forms::WindowState::Minimized) return;
    const float minWidth = minimumWidth();
    const float minHeight = minimumHeight();
    if (form.Width() <= minWidth) {
        skipOnError([&] { form.setWidth(minWidth); });
        if (w.ctrl) skipOnError([&] { w.playerControl().setWidth(minWidth); });
    }
    if (form.Height() <= minHeight) {
        skipOnError([&] { form.setHeight(minHeight); });
        if (w.ctrl)
            skipOnError([&] {
                w.playerControl().setHeight(form.Height() - w.Picture3.Height() - player::figures::kTopBand);
            });
    }
    fitPlayer(w, m_mode);
}

}  // namespace frame
