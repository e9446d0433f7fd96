#include "runtime/component/Stage.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

namespace runtime {

namespace {

// Black around the stage. Painted, not set by a style sheet, which would reach every clip on the
// stage and put black squares behind the display's icons.
class BlackWindow : public QWidget {
public:
    BlackWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

}  // namespace

int componentKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Space:
            return 32;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        default:
            return (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
                       ? qtKey
                       : 0;
    }
}

Stage::Stage(QWidget* root, double frameRate) : m_root(root), m_home(root->parentWidget()) {
    m_ticker.setInterval(int(std::lround(1000.0 / (frameRate > 0 ? frameRate : 20.0))));
    QObject::connect(&m_ticker, &QTimer::timeout, this, &Stage::enterFrame);
}

Stage::~Stage() {
    // Give the root back to the control before the full-screen window goes.
    if (m_root && m_fullScreenWindow) m_root->setParent(m_home);
}

int Stage::stageWidth() const {
    return m_root ? m_root->width() : 0;
}
int Stage::stageHeight() const {
    return m_root ? m_root->height() : 0;
}

void Stage::controlResized() {
    if (m_state == DisplayState::Normal && m_root && m_home) m_root->setGeometry(m_home->rect());
    Q_EMIT resized();
}

void Stage::keyPressed(int keyCode) {
    if (keyCode == 27 && m_state == DisplayState::FullScreen) {
        setDisplayState(DisplayState::Normal);
        return;
    }
    Q_EMIT keyDown(keyCode);
}

void Stage::setDisplayState(DisplayState state) {
    if (state == m_state || !m_root) return;
    m_state = state;
    if (state == DisplayState::FullScreen) {
        m_fullScreenWindow = std::make_unique<BlackWindow>();
        m_fullScreenWindow->setObjectName(QStringLiteral("stageFullScreen"));
        m_fullScreenWindow->installEventFilter(this);
        auto* layout = new QVBoxLayout(m_fullScreenWindow.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_root);
        // Without a window manager nothing sizes a full-screen request: ask for the screen's size.
        if (const QScreen* screen = m_root->screen()) m_fullScreenWindow->setGeometry(screen->geometry());
        m_fullScreenWindow->showFullScreen();
        m_root->setFocus();
    } else {
        m_root->setParent(m_home);
        m_root->setGeometry(m_home ? m_home->rect() : QRect());
        m_root->show();
        m_fullScreenWindow.reset();
    }
    Q_EMIT displayStateChanged(state);
    Q_EMIT resized();
}

bool Stage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_fullScreenWindow.get()) {
        if (event->type() == QEvent::Resize) Q_EMIT resized();
        if (event->type() == QEvent::Close) {
            // Closing the full-screen window by the window system just leaves full screen.
            event->ignore();
            QMetaObject::invokeMethod(
                this, [this] { setDisplayState(DisplayState::Normal); }, Qt::QueuedConnection);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Stage::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&Stage::enterFrame)) updateTicker();
}

void Stage::disconnectNotify(const QMetaMethod& signal) {
    // Qt calls this with its connection lock held, where isSignalConnected would deadlock: look later.
    if (!signal.isValid() || signal == QMetaMethod::fromSignal(&Stage::enterFrame))
        QMetaObject::invokeMethod(this, &Stage::updateTicker, Qt::QueuedConnection);
}

void Stage::updateTicker() {
    // Nothing ticks when nobody listens: an idle player costs no CPU.
    if (isSignalConnected(QMetaMethod::fromSignal(&Stage::enterFrame)))
        m_ticker.start();
    else
        m_ticker.stop();
}

}  // namespace runtime
