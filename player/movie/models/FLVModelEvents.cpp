// What the video model learns from its stream: status, metadata, and the two polls.
#include "player/movie/models/FLVModel.h"

#include <cmath>

namespace movie {

void FLVModel::onStatus(const runtime::StreamStatus& status) {
    if (status.code == runtime::StreamCode::PlayStop || status.code == runtime::StreamCode::BufferFlush) {
        m_stopFired = true;
        // A stream that has stopped brings nothing more: without this a stream cut off or whose buffer
        // never filled, or a file of unknown size, would never count as loaded, so never as completed.
        const bool measuredByBytes = m_mode == Mode::FLV && m_stream && m_stream->bytesTotal() > 0;
        if (m_loaded != 100 && !measuredByBytes) loadComplete();
    } else if (status.code == runtime::StreamCode::StreamNotFound) {
        Q_EMIT unplayable(status.notFound);
        complete(true);
    }
}

void FLVModel::onMetaData(const runtime::StreamMetadata& metadata) {
    if (m_metaSeen) return;
    m_metaSeen = true;
    if (metadata.duration > 1) m_metaDuration = metadata.duration;
    m_live = m_mode == Mode::RTMP && metadata.duration <= 1;
    if (metadata.width > 10)
        Q_EMIT size(metadata.width, metadata.height);
    else
        Q_EMIT size(m_config.number(configkey::kDisplayWidth), m_config.number(configkey::kDisplayHeight));
    m_keyframeTimes = metadata.keyframeTimes;
    m_keyframePositions = metadata.keyframePositions;
}

double FLVModel::bufferLength() const {
    return m_stream ? m_stream->bufferLength() : 0;
}

void FLVModel::pollPosition() {
    if (!m_stream) return;
    const double p = m_stream->time();
    const bool moved = p != m_position;
    if (!moved && m_state != PlayerState::Buffering &&
        bufferLength() < m_config.number(configkey::kBufferLength) - 1)
        setState(PlayerState::Buffering);
    else if (moved && m_state != PlayerState::Playing)
        setState(PlayerState::Playing);
    if (moved) {
        m_position = p;
        if (p > m_metaDuration) m_metaDuration = p;
        Q_EMIT time(p, m_metaDuration - p);
    } else if (bufferLength() < 1 && m_loaded == 100 && m_stopFired) {
        complete(false);
    }
}

void FLVModel::complete(bool failed) {
    // Nothing more can move: without this the position poll would report buffering next.
    m_positionPoll.stop();
    if (failed) m_loadPoll.stop();
    showVideo(false);
    m_state = PlayerState::Completed;
    Q_EMIT state(m_state);
    m_stopFired = false;
    Q_EMIT completed(failed || !m_everPlayed);
}

void FLVModel::loadComplete() {
    m_loadPoll.stop();
    m_loaded = 100;
    Q_EMIT load(100);
}

void FLVModel::pollLoad() {
    if (!m_stream) return;
    double ratio = 0;
    if (m_mode == Mode::FLV)
        ratio = double(m_stream->bytesLoaded()) / double(m_stream->bytesTotal());
    else
        ratio = m_stream->bufferLength() / m_stream->bufferTime();
    const double percent = std::round(ratio * 100);
    if (std::isnan(percent)) {
        m_loaded = 0;
        Q_EMIT load(0);
    } else if (percent > 95) {
        loadComplete();
    } else if (int(percent) != m_loaded) {
        m_loaded = int(percent);
        Q_EMIT load(m_loaded);
    }
}

}  // namespace movie
