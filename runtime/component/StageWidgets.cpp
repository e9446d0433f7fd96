#include "runtime/component/StageWidgets.h"

#include "runtime/component/Stage.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>

namespace runtime {

StageWidget::StageWidget(QWidget* parent) : QWidget(parent) {}

void StageWidget::setBackground(const QColor& color) {
    m_background = color;
    update();
}

void StageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_background);
}

StageRoot::StageRoot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("stage"));
    setFocusPolicy(Qt::StrongFocus);
}

void StageRoot::keyPressEvent(QKeyEvent* event) {
    const int code = componentKeyCode(event->key());
    if (code != 0 && keyPressed) {
        keyPressed(code);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StageRoot::contextMenuEvent(QContextMenuEvent* event) {
    if (contextMenuRequested) contextMenuRequested(event->globalPos());
}

}  // namespace runtime
