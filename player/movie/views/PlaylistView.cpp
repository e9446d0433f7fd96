#include "player/movie/views/PlaylistView.h"

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/controlbar/ConfigColor.h"
#include "player/movie/views/playlist/PlaylistArea.h"
#include "player/movie/views/playlist/Thumbnails.h"
#include "runtime/component/Stage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace movie {

PlaylistView::PlaylistView(const ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("playlist"));
    setMouseTracking(true);
    const Config& config = m_context.config;
    m_front = configColor(config, configkey::kFrontColor);
    m_back = configColor(config, configkey::kBackColor);
    m_light = configColor(config, configkey::kLightColor);
    m_thumbs = config.isTrue(configkey::kThumbsInPlaylist);
    m_autoscroll = config.isTrue(configkey::kAutoScroll);
    if (m_thumbs) {
        m_thumbnails = new Thumbnails(QSize(kThumbWidth, kThumbRowHeight), this);
        connect(m_thumbnails, &Thumbnails::loaded, this, [this](int index) { update(rowRect(index)); });
        QStringList images;
        for (const FeedItem& item : m_context.feed.items()) images.append(item.image);
        m_thumbnails->load(images);
    }
    connect(&m_context.updates, &ViewUpdates::item, this, &PlaylistView::setCurrent);
    connect(&m_context.updates, &ViewUpdates::stageResized, this, &PlaylistView::relayout);
    connect(&m_context.updates, &ViewUpdates::fullScreenChanged, this, &PlaylistView::relayout);
    relayout();
}

int PlaylistView::rowHeight() const {
    return m_thumbs ? kThumbRowHeight : kRowHeight;
}

QRect PlaylistView::rowRect(int index) const {
    return QRect(0, index * rowHeight() - m_offset, width(), rowHeight());
}

int PlaylistView::rowAt(const QPoint& position) const {
    if (!rect().contains(position)) return -1;
    const int index = (position.y() + m_offset) / rowHeight();
    return index < m_context.feed.size() ? index : -1;
}

bool PlaylistView::hasThumbnail(int index) const {
    return m_thumbnails && !m_thumbnails->at(index).isNull();
}

int PlaylistView::maxOffset() const {
    return std::max(0, int(m_context.feed.size()) * rowHeight() - height());
}

void PlaylistView::relayout() {
    const bool fullScreen = m_context.stage.displayState() == runtime::DisplayState::FullScreen;
    const QRect area = playlistArea(m_context.config, fullScreen);
    setGeometry(area);
    setVisible(!area.isEmpty());
    scrollTo(m_offset);
}

void PlaylistView::scrollTo(int offset) {
    const int clamped = std::clamp(offset, 0, maxOffset());
    if (clamped == m_offset) return;
    m_offset = clamped;
    update();
}

void PlaylistView::setCurrent(int index) {
    m_current = index;
    // Keep the playing item in sight, unless the list follows the pointer.
    if (!m_autoscroll && index >= 0) {
        const QRect row = rowRect(index);
        if (row.top() < 0)
            scrollTo(m_offset + row.top());
        else if (row.bottom() >= height())
            scrollTo(m_offset + row.bottom() - height() + 1);
    }
    update();
}

void PlaylistView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    const int first = std::max(0, m_offset / rowHeight());
    const int last = std::min(int(m_context.feed.size()) - 1, (m_offset + height()) / rowHeight());
    for (int index = first; index <= last; ++index) paintRow(painter, index);
    if (maxOffset() > 0 && !m_autoscroll) {
        // Where the visible part lies in the whole list.
        const double total = double(m_context.feed.size()) * rowHeight();
        const QRectF thumb(width() - 4, height() * m_offset / total, 3, height() * height() / total);
        painter.setOpacity(0.5);
        painter.fillRect(thumb, m_front);
    }
}

void PlaylistView::paintRow(QPainter& painter, int index) const {
    const FeedItem& item = m_context.feed.at(index);
    const QRect row = rowRect(index);
    painter.save();
    if (index == m_current || index == m_hover) {
        painter.setOpacity(index == m_current ? 0.18 : 0.08);
        painter.fillRect(row, index == m_current ? m_light : m_front);
        painter.setOpacity(1);
    }
    painter.setPen(m_front);
    painter.setOpacity(0.2);
    painter.drawLine(row.bottomLeft(), row.bottomRight());
    painter.setOpacity(1);
    QRect textArea = row.adjusted(6, 0, -6, 0);
    if (m_thumbs) {
        const QImage image = m_thumbnails->at(index);
        if (!image.isNull())
            painter.drawImage(QPoint(row.left() + (kThumbWidth - image.width()) / 2,
                                     row.top() + (kThumbRowHeight - image.height()) / 2),
                              image);
        textArea.setLeft(row.left() + kThumbWidth + 6);
    }
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(index == m_current);
    painter.setFont(font);
    painter.setPen(index == m_hover || index == m_current ? m_light : m_front);
    const QString title = item.title.isEmpty() ? item.file.section(QLatin1Char('/'), -1) : item.title;
    const QString shown = painter.fontMetrics().elidedText(title, Qt::ElideRight, textArea.width());
    if (m_thumbs && !item.author.isEmpty()) {
        painter.drawText(textArea.adjusted(0, 3, 0, -row.height() / 2), Qt::AlignLeft | Qt::AlignVCenter,
                         shown);
        font.setBold(false);
        font.setPixelSize(10);
        painter.setFont(font);
        painter.setPen(m_front);
        painter.drawText(textArea.adjusted(0, row.height() / 2, 0, -3), Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(item.author, Qt::ElideRight, textArea.width()));
    } else {
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    painter.restore();
}

void PlaylistView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (m_autoscroll && height() > 0)
        scrollTo(int(double(std::clamp(position.y(), 0, height())) / height() * maxOffset()));
    const int hover = rowAt(position);
    if (hover != m_hover) {
        m_hover = hover;
        update();
    }
}

void PlaylistView::leaveEvent(QEvent*) {
    m_hover = -1;
    update();
}

void PlaylistView::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : -1;
}

void PlaylistView::mouseReleaseEvent(QMouseEvent* event) {
    const int pressed = m_pressed;
    m_pressed = -1;
    if (event->button() != Qt::LeftButton || pressed < 0 || rowAt(event->position().toPoint()) != pressed)
        return;
    m_context.requests.send(Request::Item, pressed);
}

void PlaylistView::wheelEvent(QWheelEvent* event) {
    if (m_autoscroll) return;
    scrollTo(m_offset - event->angleDelta().y() / 120 * rowHeight());
}

}  // namespace movie
