#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

namespace runtime {

// The control's own surface: the background colour, behind the stage root.
class StageWidget : public QWidget {
public:
    explicit StageWidget(QWidget* parent);
    void setBackground(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background = Qt::white;
};

// The stage's root: the movie's clips live under it; it takes the keys and the context menu.
class StageRoot : public QWidget {
public:
    explicit StageRoot(QWidget* parent);
    std::function<void(int keyCode)> keyPressed;
    std::function<void(const QPoint& globalPos)> contextMenuRequested;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace runtime
