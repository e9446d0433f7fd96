#include "frame/FullScreen.h"

#include "frame/ScreenArithmetic.h"
#include "platform/forms/ScreenMetrics.h"
#include "player/Form1.h"
#include "player/WindowFigures.h"

namespace frame {

FullScreen::FullScreen(player::Form1& window, ScreenMode& mode, bool windowSystemPlacesWindows)
    : m_window(window), m_mode(mode), m_windowSystemPlacesWindows(windowSystemPlacesWindows) {
    m_window.fullscreen.Click = [this] { fullscreen_Click(); };
    m_window.restorepic.Click = [this] { restorepic_Click(); };
    m_window.FileLoaded = [this] { Form1_FileLoaded(); };
}

FullScreen::~FullScreen() {
    m_window.fullscreen.Click = nullptr;
    m_window.restorepic.Click = nullptr;
    m_window.FileLoaded = nullptr;
}

void FullScreen::fullscreen_Click() {
    auto& form = m_window.form;
    // Everything that can fail is worked out before the window changes.
    auto& ctrl = m_window.playerControl();
    const std::int32_t height = toLong(form.Height());
    const std::int32_t width = toLong(form.Width());
    const QSize screen = screenInPixels();
    m_savedheight = height;
    m_savedwidth = width;
    m_mode.fullScreen = true;
    coverScreen(ctrl, screen);
}

void FullScreen::Form1_FileLoaded() {
    if (m_mode.fullScreen) coverScreen(m_window.playerControl(), screenInPixels());
}

QSize FullScreen::screenInPixels() const {
    const auto& screen = m_window.form.screen();
    return QSize(screenPixels(screen.Width(), screen.TwipsPerPixelX()),
                 screenPixels(screen.Height(), screen.TwipsPerPixelY()));
}

void FullScreen::coverScreen(platform::forms::ExtenderControl& ctrl, QSize screenPixels) {
    auto& w = m_window;
    auto& form = w.form;
    const auto& screen = form.screen();
    form.setTop(0);
    form.setLeft(0);
    form.setWidth(float(screenPixels.width()) * screen.TwipsPerPixelX());
    form.setHeight(float(screenPixels.height()) * screen.TwipsPerPixelY());
    // Where the window cannot be placed by the program, the window system covers the screen.
    if (!m_windowSystemPlacesWindows) {
        form.setWindowSystemFullScreen(true);
        m_windowSystemFullScreen = true;
    }
    w.Picture1.setVisible(false);
    w.Picture3.setVisible(false);
    ctrl.setTop(0);
    ctrl.setWidth(form.Width());
    ctrl.setHeight(form.Height());
    w.resizepic.setVisible(false);
    w.restorepic.setLeft(form.Width() - w.Picture4.Width() - w.restorepic.Width());
    w.restorepic.setVisible(true);
}

void FullScreen::restorepic_Click() {
    auto& w = m_window;
    auto& form = w.form;
    auto& ctrl = w.playerControl();
    m_mode.fullScreen = false;
    leaveWindowSystemFullScreen();

    form.setWidth(float(m_savedwidth));
    form.setHeight(float(m_savedheight));
    // Down to the bottom bar's top edge plus the band; the size guard's next tick sets the
    // windowed height.
    ctrl.setWidth(float(m_savedwidth));
    ctrl.setHeight(float(m_savedheight) - w.Picture3.Height());
    w.Picture1.setVisible(true);
    w.Picture3.setVisible(true);
    w.resizepic.setVisible(true);
    w.Picture4.setLeft(form.Width() - w.Picture4.Width());
    ctrl.setTop(player::figures::kTopBand);
    w.restorepic.setVisible(false);
}

void FullScreen::leaveWindowSystemFullScreen() {
    if (!m_windowSystemFullScreen) return;
    m_windowSystemFullScreen = false;
    m_window.form.setWindowSystemFullScreen(false);
}

}  // namespace frame
