#include "player/movie/models/FLVModel.h"

#include "logging/LogCategories.h"
#include "platform/url/UrlQuery.h"
#include "player/movie/feed/MediaType.h"
#include "runtime/stream/VideoSurface.h"

namespace movie {

namespace {
constexpr int kPollMs = 200;
}

FLVModel::FLVModel(const Config& config, ModelHost host, QWidget* video, QObject* parent)
    : MediaModel(parent), m_config(config), m_host(std::move(host)), m_video(video) {
    m_positionPoll.setInterval(kPollMs);
    m_loadPoll.setInterval(kPollMs);
    connect(&m_positionPoll, &QTimer::timeout, this, &FLVModel::pollPosition);
    connect(&m_loadPoll, &QTimer::timeout, this, &FLVModel::pollLoad);
}

// The stream goes before the clip it draws into.
FLVModel::~FLVModel() {
    m_stream.reset();
}

bool FLVModel::accepts(const QString& type) const {
    return type == mediatype::kFlv || type == mediatype::kRtmp;
}

FLVModel::Mode FLVModel::modeFor(const FeedItem& item) const {
    if (m_config.has(configkey::kStreamScript)) return Mode::HTTP;
    if (item.type == mediatype::kRtmp) return Mode::RTMP;
    return Mode::FLV;
}

void FLVModel::setItem(const FeedItem& item) {
    m_item = item;
    m_mode = modeFor(item);
}

std::optional<double> FLVModel::clamp(std::optional<double> position) const {
    // A live stream has nothing to seek in: it plays on from where it is.
    if (!position || m_live) return std::nullopt;
    double p = *position;
    if (p < 1) p = 0;
    // Without a known duration there is no end to clamp to.
    if (m_metaDuration > 0 && p > m_metaDuration - 1) p = std::max(0.0, m_metaDuration - 1);
    return p;
}

void FLVModel::start(std::optional<double> position) {
    m_host.fscommand(QStringLiteral("play"));
    position = clamp(position);
    openIfNeeded();
    if (m_stream) m_stream->resume();
    showVideo(true);
    if (position) {
        m_position = *position;
        if (m_mode == Mode::HTTP)
            requestKeyframe(*position);
        else if (m_stream)
            m_stream->seek(*position);
        if (*position == 0) Q_EMIT time(0, m_metaDuration);
    }
    m_positionPoll.start();
    m_loadPoll.start();
}

void FLVModel::openIfNeeded() {
    if (m_mode == Mode::RTMP) {
        // The whole address, not the id alone: two servers may well offer streams of the same name.
        const QString address = rtmpAddress(m_item);
        if (address == m_currentUrl && m_stream) return;
        m_currentUrl = address;
        newStream();
        m_stream->play(address);
        return;
    }
    if (m_item.file == m_currentUrl && m_stream) return;
    m_currentUrl = m_item.file;
    newStream();
    if (m_mode == Mode::HTTP)
        m_stream->play(scriptAddress(m_item.file));
    else
        m_stream->play(m_item.file);
}

QString FLVModel::rtmpAddress(const FeedItem& item) {
    // With an id the file names the server application; without one it is the stream's whole address.
    if (item.id.isEmpty()) return item.file;
    QString address = item.file;
    if (!address.endsWith(QLatin1Char('/'))) address += QLatin1Char('/');
    return address + item.id;
}

QString FLVModel::scriptAddress(const QString& file) const {
    const QString script = m_config.text(configkey::kStreamScript);
    if (script == QLatin1String("lighttpd")) return file;
    return script + QStringLiteral("?file=") + platform::escapeQueryValue(file);
}

void FLVModel::newStream() {
    m_stream.reset();
    m_stream = m_host.createStream();
    m_loaded = 0;
    m_metaSeen = false;
    m_live = false;
    m_stopFired = false;
    m_everPlayed = false;
    Q_EMIT load(0);
    m_stream->setBufferTime(m_config.number(configkey::kBufferLength));
    m_stream->setVolume(m_volume);
    // Sound levels are measured only for the equalizer, so other playback costs nothing extra.
    m_stream->setLevelMetering(m_config.isTrue(configkey::kShowEq));
    QString error;
    auto* surface = qobject_cast<runtime::VideoSurface*>(m_video.data());
    if (surface && !m_stream->attachVideo(surface, &error))
        qCWarning(quorvel::log::movie, "no picture for this video: %s", qUtf8Printable(error));
    connect(m_stream.get(), &runtime::Stream::status, this, &FLVModel::onStatus);
    connect(m_stream.get(), &runtime::Stream::metaData, this, &FLVModel::onMetaData);
}

void FLVModel::requestKeyframe(double position) {
    if (!m_stream) return;
    double offset = 0;
    for (qsizetype i = 0; i < m_keyframeTimes.size() && i < m_keyframePositions.size(); ++i) {
        const bool last = i + 1 >= m_keyframeTimes.size();
        // Past the last keyframe the last one is the nearest before the position.
        if (m_keyframeTimes.at(i) <= position && (last || m_keyframeTimes.at(i + 1) >= position)) {
            offset = m_keyframePositions.at(i);
            break;
        }
    }
    const QString where = QString::number(qint64(offset));
    const QString script = m_config.text(configkey::kStreamScript);
    if (script == QLatin1String("lighttpd"))
        m_stream->play(m_item.file + QStringLiteral("?start=") + where);
    else
        m_stream->play(script + QStringLiteral("?file=") + platform::escapeQueryValue(m_item.file) +
                       QStringLiteral("&pos=") + where);
}

void FLVModel::pause(std::optional<double> position) {
    m_host.fscommand(QStringLiteral("pause"));
    position = clamp(position);
    m_positionPoll.stop();
    if (position) {
        m_position = *position;
        Q_EMIT time(*position, m_metaDuration - *position);
        if (m_stream) m_stream->seek(*position);
    }
    if (m_stream) m_stream->pause();
    setState(PlayerState::Paused);
}

void FLVModel::stop() {
    m_positionPoll.stop();
    m_loadPoll.stop();
    showVideo(false);
    m_currentUrl.clear();
    m_position = 0;
    m_keyframeTimes.clear();
    m_keyframePositions.clear();
    m_metaDuration = 0;
    m_live = false;
    m_loaded = 0;
    m_stopFired = false;
    if (m_stream) m_stream->close();
    m_stream.reset();
}

void FLVModel::setVolume(int volume) {
    m_volume = volume;
    if (m_stream) m_stream->setVolume(volume);
}

void FLVModel::setState(PlayerState state) {
    m_state = state;
    if (state == PlayerState::Playing) m_everPlayed = true;
    Q_EMIT this->state(state);
}

void FLVModel::showVideo(bool shown) {
    if (m_video) m_video->setVisible(shown);
}

}  // namespace movie
