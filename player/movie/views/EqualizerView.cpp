#include "player/movie/views/EqualizerView.h"

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/views/controlbar/ConfigColor.h"
#include "runtime/component/Stage.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace movie {

EqualizerView::EqualizerView(const ViewContext& context, LevelSource levels, QWidget* parent)
    : QWidget(parent), m_context(context), m_levels(std::move(levels)) {
    setObjectName(QStringLiteral("equalizer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Drawn in the display's background colour, which stands out from the picture's dark parts.
    m_color = configColor(m_context.config, configkey::kBackColor);
    connect(&m_context.updates, &ViewUpdates::state, this, &EqualizerView::showState);
    connect(&m_context.updates, &ViewUpdates::stageResized, this, &EqualizerView::relayout);
    connect(&m_context.updates, &ViewUpdates::fullScreenChanged, this, &EqualizerView::relayout);
    relayout();
}

void EqualizerView::relayout() {
    const Config& config = m_context.config;
    const runtime::Stage& stage = m_context.stage;
    const bool fullScreen = stage.displayState() == runtime::DisplayState::FullScreen;
    const int width = fullScreen ? stage.stageWidth() : int(config.number(configkey::kDisplayWidth));
    const int height = fullScreen ? stage.stageHeight() : int(config.number(configkey::kDisplayHeight));
    setGeometry(0, std::max(height - kHeight, 0), std::max(width, 0), std::min(kHeight, std::max(height, 0)));
}

void EqualizerView::showState(PlayerState state) {
    m_playing = state == PlayerState::Playing;
    if (m_playing && !m_frameTicks)
        m_frameTicks = connect(&m_context.stage, &runtime::Stage::enterFrame, this, &EqualizerView::frame);
}

void EqualizerView::frame() {
    const QList<double> levels = m_playing && m_levels ? m_levels() : QList<double>();
    if (levels.size() > m_shown.size()) m_shown.resize(levels.size(), 0.0);
    bool moving = false;
    for (qsizetype i = 0; i < m_shown.size(); ++i) {
        const double level =
            i < levels.size() && std::isfinite(levels.at(i)) ? std::clamp(levels.at(i), 0.0, 1.0) : 0;
        m_shown[i] = std::max(level, m_shown.at(i) - kFallPerFrame);
        moving = moving || m_shown.at(i) > 0;
    }
    update();
    if (!m_playing && !moving) stopFollowing();
}

void EqualizerView::stopFollowing() {
    disconnect(m_frameTicks);
    m_frameTicks = {};
}

void EqualizerView::paintEvent(QPaintEvent*) {
    if (m_shown.isEmpty()) return;
    QPainter painter(this);
    painter.setOpacity(0.5);
    const double step = double(width()) / double(m_shown.size());
    for (qsizetype i = 0; i < m_shown.size(); ++i) {
        const double barHeight = m_shown.at(i) * height();
        painter.fillRect(
            QRectF(double(i) * step + 1, height() - barHeight, std::max(step - 2, 1.0), barHeight), m_color);
    }
}

}  // namespace movie
