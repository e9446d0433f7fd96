#include "platform/forms/Form.h"

#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlFactories.h"
#include "platform/forms/Errors.h"
#include "platform/forms/ExtenderControl.h"
#include "platform/forms/FormWidget.h"
#include "platform/forms/ScreenMetrics.h"

#include <QEventLoop>
#include <QPixmap>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace platform::forms {
namespace {

// A few answers settle a window system's late reports, and no more, so one that insists keeps the
// last word.
constexpr int kMaxStateCorrections = 3;

Qt::WindowFlags flagsFor(FormKind kind) {
    if (kind == FormKind::Borderless) return Qt::Window | Qt::FramelessWindowHint;
    return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::CustomizeWindowHint;
}

}  // namespace

Form::Form(const QString& name, FormKind kind, const ScreenMetrics& screen, const ControlFactories* factories)
    : m_name(name), m_kind(kind), m_screen(screen), m_factories(factories), m_back(QColor(212, 208, 200)) {
    auto* w = new FormWidget(*this, flagsFor(kind));
    w->setObjectName(name);
    w->setMouseTracking(true);
    m_widget = w;
}

Form::~Form() {
    // Controls before the window that holds their widgets.
    m_controls.clear();
    m_timers.clear();
    delete m_widget.data();
}

Timer& Form::addTimer(const QString& name) {
    m_timers.push_back(std::make_unique<Timer>(name));
    return *m_timers.back();
}

ExtenderControl& Form::AddControl(const QString& progId, const QString& name) {
    if (!m_factories) throw std::runtime_error("no components available");
    auto control = m_factories->create(progId, name, *this);
    // Run-time controls go under the designed ones, so buttons over the player stay reachable.
    control->ZOrder(1);
    ExtenderControl& ref = *control;
    m_controls.push_back(std::move(control));
    return ref;
}

void Form::RemoveControl(const QString& name) {
    const auto it =
        std::find_if(m_controls.begin(), m_controls.end(), [&](const auto& c) { return c->Name() == name; });
    if (it == m_controls.end()) throw std::runtime_error("no control named " + name.toStdString());
    m_controls.erase(it);
}

Control* Form::findControl(const QString& name) const {
    for (const auto& c : m_controls)
        if (c->Name() == name) return c.get();
    return nullptr;
}

QString Form::Caption() const {
    return m_widget->windowTitle();
}
void Form::setCaption(const QString& caption) {
    m_widget->setWindowTitle(caption);
}

void Form::setBackColor(const QColor& color) {
    m_back = color;
    m_widget->update();
}

void Form::setIcon(const QImage& icon) {
    m_widget->setWindowIcon(QPixmap::fromImage(icon));
}

float Form::Left() const {
    return float(m_widget->x()) * m_screen.TwipsPerPixelX();
}
float Form::Top() const {
    return float(m_widget->y()) * m_screen.TwipsPerPixelY();
}

void Form::setLeft(float twips) {
    m_widget->move(int(std::lround(twips / m_screen.TwipsPerPixelX())), m_widget->y());
}

void Form::setTop(float twips) {
    m_widget->move(m_widget->x(), int(std::lround(twips / m_screen.TwipsPerPixelY())));
}

void Form::setWidth(float twips) {
    if (twips < 0 || std::isnan(twips)) throw PropertyError("invalid width");
    if (twips == m_width) return;
    m_width = twips;
    if (!m_wantFullScreen)
        m_widget->resize(int(std::lround(twips / m_screen.TwipsPerPixelX())), m_widget->height());
    fixSizeIfDialog();
    raiseResize();
}

void Form::setHeight(float twips) {
    if (twips < 0 || std::isnan(twips)) throw PropertyError("invalid height");
    if (twips == m_height) return;
    m_height = twips;
    if (!m_wantFullScreen)
        m_widget->resize(m_widget->width(), int(std::lround(twips / m_screen.TwipsPerPixelY())));
    fixSizeIfDialog();
    raiseResize();
}

QSize Form::pixelSize() const {
    return QSize(int(std::lround(m_width / m_screen.TwipsPerPixelX())),
                 int(std::lround(m_height / m_screen.TwipsPerPixelY())));
}

void Form::windowSystemResized(int widthPixels, int heightPixels) {
    // Our own size changes arrive here too, later; only a size the window system chose counts,
    // and not one that comes with a full-screen state left behind.
    if (stateLeftBehind()) return;
    if (QSize(widthPixels, heightPixels) == pixelSize()) return;
    if (fullScreenJustLeft()) {
        // Leaving a Wayland compositor's full screen, Qt gives the window back the size it had when
        // it went full screen, which our full screen had already made the screen's: the form's
        // own size stands.
        if (m_stateCorrections < kMaxStateCorrections) {
            ++m_stateCorrections;
            QMetaObject::invokeMethod(
                m_widget, [this] { m_widget->resize(pixelSize()); }, Qt::QueuedConnection);
        }
        return;
    }
    m_width = float(widthPixels) * m_screen.TwipsPerPixelX();
    m_height = float(heightPixels) * m_screen.TwipsPerPixelY();
    raiseResize();
}

void Form::fixSizeIfDialog() {
    // A fixed dialog frame cannot be resized by the user. Its size comes from the form's own
    // figures: a window never shown still has Qt's default height, which would stay fixed.
    if (m_kind != FormKind::FixedDialog) return;
    m_widget->setFixedSize(pixelSize());
}

void Form::raiseResize() {
    runHandler(m_name + QStringLiteral("_Resize"), Resize);
}

WindowState Form::windowState() const {
    if (m_widget->isMinimized()) return WindowState::Minimized;
    if (m_widget->isMaximized()) return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::Show() {
    m_widget->show();
}

void Form::Activate() {
    // Full screen survives: only the minimized state goes.
    m_widget->setWindowState(m_widget->windowState() & ~Qt::WindowMinimized);
    m_widget->show();
    m_widget->raise();
    m_widget->activateWindow();
}

void Form::ShowModal(const Form* owner) {
    if (owner && m_widget->parentWidget() != owner->widget())
        m_widget->setParent(owner->widget(), m_widget->windowFlags());
    QEventLoop loop;
    m_modalLoop = &loop;
    m_widget->setWindowModality(Qt::ApplicationModal);
    m_widget->show();
    loop.exec();
    m_modalLoop = nullptr;
}

bool Form::isShown() const {
    return m_widget->isVisible();
}

void Form::Unload() {
    m_widget->close();
}

bool Form::closeRequested() {
    int cancel = 0;
    runHandler(m_name + QStringLiteral("_Unload"), [&] {
        if (UnloadHandler) UnloadHandler(cancel);
    });
    if (cancel != 0) return false;
    if (m_modalLoop) m_modalLoop->quit();
    return true;
}

bool Form::keyPressed(int key) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Escape) return false;
    auto pick = [&](auto&& wanted) -> CommandButton* {
        for (const auto& c : m_controls) {
            auto* button = dynamic_cast<CommandButton*>(c.get());
            if (button && button->Visible() && wanted(*button)) return button;
        }
        return nullptr;
    };
    CommandButton* target = nullptr;
    if (key == Qt::Key_Escape)
        target = pick([](CommandButton& b) { return b.Cancel(); });
    else if (!(target = pick([](CommandButton& b) { return b.widget()->hasFocus(); })))
        target = pick([](CommandButton& b) { return b.Default(); });
    if (!target) return false;
    target->performClick();
    return true;
}

bool Form::StartSystemMove() {
    QWindow* window = m_widget->windowHandle();
    return window && window->startSystemMove();
}

void Form::setWindowSystemFullScreen(bool fullScreen) {
    m_wantFullScreen = fullScreen;
    m_stateCorrections = 0;
    m_stateRequested.start();
    applyWindowSystemFullScreen();
}

bool Form::stateLeftBehind() const {
    return stateJustRequested() && m_widget->isFullScreen() != m_wantFullScreen;
}

bool Form::stateJustRequested() const {
    // Soon after a request, the other state is the window system's late report of an earlier
    // one; later it is the user's own doing through the window system, and stands.
    constexpr qint64 kSettleMs = 2000;
    return m_stateRequested.isValid() && !m_stateRequested.hasExpired(kSettleMs);
}

bool Form::fullScreenJustLeft() const {
    return stateJustRequested() && !m_wantFullScreen && !m_widget->isFullScreen();
}

void Form::windowSystemStateChanged() {
    if (!stateLeftBehind() || m_stateCorrections >= kMaxStateCorrections) return;
    ++m_stateCorrections;
    QMetaObject::invokeMethod(
        m_widget,
        [this] {
            if (stateLeftBehind()) applyWindowSystemFullScreen();
        },
        Qt::QueuedConnection);
}

void Form::applyWindowSystemFullScreen() {
    if (m_wantFullScreen) {
        // Asked again while full screen: no resize will come to report the size the window
        // system holds, and sizes set by code meanwhile did not reach it.
        if (m_widget->isFullScreen()) windowSystemResized(m_widget->width(), m_widget->height());
        m_widget->showFullScreen();
        return;
    }
    m_widget->showNormal();
    // Sizes set by code while the window system held the window take effect now.
    m_widget->resize(pixelSize());
}

}  // namespace platform::forms
