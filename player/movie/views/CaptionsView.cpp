#include "player/movie/views/CaptionsView.h"

#include "player/movie/captions/CaptionsLoader.h"
#include "player/movie/core/Config.h"
#include "player/movie/core/ControlbarHeight.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "runtime/component/Stage.h"

#include <QPainter>

#include <algorithm>

namespace movie {

CaptionsView::CaptionsView(const ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_loader(new CaptionsLoader(nullptr, this)) {
    setObjectName(QStringLiteral("captions"));
    // Clicks go through to the display underneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(m_loader, &CaptionsLoader::captionsReady, this, [this](const CaptionList& captions) {
        if (m_location.isEmpty()) return;  // the item changed to one without captions meanwhile
        m_captions = captions;
        showAt(m_position);
        Q_EMIT captionsLoaded();
    });
    ViewUpdates& updates = m_context.updates;
    connect(&updates, &ViewUpdates::item, this, &CaptionsView::newItem);
    connect(&updates, &ViewUpdates::time, this, [this](double elapsed, double) { showAt(elapsed); });
    connect(&updates, &ViewUpdates::captionsChanged, this, &CaptionsView::setVisible);
    connect(&updates, &ViewUpdates::stageResized, this, &CaptionsView::relayout);
    connect(&updates, &ViewUpdates::fullScreenChanged, this, &CaptionsView::relayout);
    relayout();
    setVisible(m_context.config.text(configkey::kUseCaptions) != QLatin1String("false"));
}

void CaptionsView::relayout() {
    const Config& config = m_context.config;
    const runtime::Stage& stage = m_context.stage;
    const bool fullScreen = stage.displayState() == runtime::DisplayState::FullScreen;
    const int width = fullScreen ? stage.stageWidth() : int(config.number(configkey::kDisplayWidth));
    const int height = fullScreen ? stage.stageHeight() : int(config.number(configkey::kDisplayHeight));
    setGeometry(0, 0, std::max(width, 0), std::max(height, 0));
    // Keep clear of a control bar that lies over the display.
    const bool barOver =
        fullScreen || config.number(configkey::kDisplayHeight) == config.number(configkey::kHeight);
    const int barRise = int(controlbarRise(config.isTrue(configkey::kLargeControls)));
    m_bottomMargin = barOver ? barRise + 8 : 10;
    raise();
    update();
}

void CaptionsView::newItem(int index) {
    const Feed& feed = m_context.feed;
    m_location = index >= 0 && index < feed.size() ? feed.at(index).captions : QString();
    m_captions.clear();
    m_position = 0;
    showAt(0);
    if (!m_location.isEmpty()) m_loader->load(m_location);
}

void CaptionsView::showAt(double seconds) {
    m_position = seconds;
    const Caption* caption = captionAt(m_captions, seconds);
    const QString text = caption ? caption->text : QString();
    if (text == m_text) return;
    m_text = text;
    update();
}

void CaptionsView::paintEvent(QPaintEvent*) {
    if (m_text.isEmpty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(std::clamp(height() / 16, 12, 40));
    font.setBold(true);
    const QRect area = rect().adjusted(10, 10, -10, -m_bottomMargin);
    const QFontMetrics metrics(font);
    const QRect box =
        metrics.boundingRect(area, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, m_text);
    // White letters with a dark outline read on any picture.
    painter.setFont(font);
    for (const QPoint& offset : {QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1), QPoint(0, 2)}) {
        painter.setPen(QColor(0, 0, 0, 200));
        painter.drawText(box.translated(offset), Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
                         m_text);
    }
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, m_text);
}

}  // namespace movie
