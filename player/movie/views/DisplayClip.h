#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

namespace movie {

// The "display" clip: its background in "backcolor", its bounds the mask that cuts the picture,
// and a release of the left button on it is a click.
class DisplayClip : public QWidget {
    Q_OBJECT
public:
    explicit DisplayClip(QWidget* parent);
    void setBackground(const QColor& color);
    std::function<void()> released;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_background = Qt::white;
};

}  // namespace movie
