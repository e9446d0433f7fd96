#include "player/movie/views/InputView.h"

#include <QWidget>  // whole, for the QPointer in Stage.h

#include "runtime/component/Stage.h"

#include <QApplication>
#include <QEvent>

namespace movie {

InputView::InputView(const ViewContext& context, QObject* parent)
    : QObject(parent), m_context(context), m_volume(int(context.config.number(configkey::kVolume))) {
    connect(&m_context.stage, &runtime::Stage::keyDown, this, &InputView::keyDown);
    connect(&m_context.updates, &ViewUpdates::time, this,
            [this](double elapsed, double) { m_elapsed = elapsed; });
    connect(&m_context.updates, &ViewUpdates::volume, this, [this](int volume) { m_volume = volume; });
    connect(&m_context.updates, &ViewUpdates::item, this, [this] { m_elapsed = 0; });
    if (m_context.stage.root()) {
        // The root may move to the full-screen window and back, so activation is watched on
        // whichever window holds it.
        qApp->installEventFilter(this);
        focusPlayer();
    }
}

bool InputView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        QWidget* root = m_context.stage.root();
        if (root && watched == root->window()) focusPlayer();
    }
    return QObject::eventFilter(watched, event);
}

void InputView::focusPlayer() {
    QWidget* root = m_context.stage.root();
    if (root && root->isActiveWindow()) root->setFocus(Qt::OtherFocusReason);
}

void InputView::keyDown(int keyCode) {
    ViewRequests& requests = m_context.requests;
    switch (keyCode) {
        case 32:
            requests.send(Request::PlayPause);
            break;
        case 37:
            seekBy(-5, Request::Prev);
            break;
        case 39:
            seekBy(5, Request::Next);
            break;
        case 38:
            requests.send(Request::Volume, m_volume + 10);
            break;
        case 40:
            // Already silent: a further step down must not bring the sound back at 80.
            if (m_volume > 0) requests.send(Request::Volume, m_volume - 10);
            break;
        default:
            break;
    }
}

void InputView::seekBy(double seconds, Request otherwise) {
    if (m_context.feed.size() > 1)
        m_context.requests.send(otherwise);
    else
        m_context.requests.send(Request::Scrub, std::max(0.0, m_elapsed + seconds));
}

}  // namespace movie
