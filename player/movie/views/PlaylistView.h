#pragma once

#include "player/movie/views/ViewContext.h"

#include <QColor>
#include <QWidget>

namespace movie {

class Thumbnails;

// The "playlist" clip: the feed's items, with their titles and, when "thumbsinplaylist" is
// "true", their pictures. The current item is marked; a click on an item asks for it.
// With "autoscroll" the list follows the pointer, else the wheel scrolls it.
class PlaylistView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 23;
    static constexpr int kThumbRowHeight = 40;
    static constexpr int kThumbWidth = 54;

    PlaylistView(const ViewContext& context, QWidget* parent);

    void relayout();
    int currentItem() const { return m_current; }
    int rowHeight() const;
    int scrollOffset() const { return m_offset; }
    // The item's row in this widget's coordinates (it may lie outside the visible part).
    QRect rowRect(int index) const;
    int rowAt(const QPoint& position) const;
    bool hasThumbnail(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void setCurrent(int index);
    void scrollTo(int offset);
    int maxOffset() const;
    void paintRow(QPainter& painter, int index) const;

    ViewContext m_context;
    QColor m_front, m_back, m_light;
    bool m_thumbs = false;
    bool m_autoscroll = false;
    Thumbnails* m_thumbnails = nullptr;
    int m_current = -1;
    int m_hover = -1;
    int m_pressed = -1;
    int m_offset = 0;
};

}  // namespace movie
