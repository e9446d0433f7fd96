#include "runtime/stream/VideoSurface.h"

#include "logging/LogCategories.h"
#include "runtime/mpv/MpvCore.h"
#include "runtime/mpv/MpvNames.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>

#include <unistd.h>
#include <ctime>

namespace runtime {

namespace {

constexpr qsizetype kAlignment = 64;  // what libmpv's software renderer wants for its fast paths
constexpr qint64 kReportEvery = 30;   // frames between two reports for the benchmark

// Milliseconds since this process started, from the kernel's own start time for it.
qint64 msSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name (which may hold spaces) start after the last ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 22 - 3;
    if (fields.size() <= kStartTimeField) return -1;
    const double startSeconds = fields[kStartTimeField].toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowSeconds = double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    return qint64((nowSeconds - startSeconds) * 1000.0);
}

}  // namespace

VideoSurface::VideoSurface(QWidget* parent)
    : QWidget(parent), m_reportFrames(qEnvironmentVariable("QUORVEL_REPORT_FRAMES") == QLatin1String("1")) {
    setObjectName(QStringLiteral("video"));
}

VideoSurface::~VideoSurface() = default;

bool VideoSurface::ensureBuffer(QSize size) {
    if (m_image.size() == size && m_pixels) return true;
    const qsizetype stride = (qsizetype(size.width()) * 4 + kAlignment - 1) / kAlignment * kAlignment;
    const size_t bytes = size_t(stride) * size_t(size.height());
    m_image = QImage();
    m_pixels.reset(static_cast<uchar*>(std::aligned_alloc(kAlignment, bytes)));
    if (!m_pixels) return false;
    m_image = QImage(m_pixels.get(), size.width(), size.height(), stride, QImage::Format_RGB32);
    m_image.fill(Qt::black);
    m_image.setDevicePixelRatio(devicePixelRatioF());
    return true;
}

void VideoSurface::renderFrom(MpvCore& core) {
    const QSize pixelSize = (QSizeF(size()) * devicePixelRatioF()).toSize();
    const bool shown = isVisible() && !pixelSize.isEmpty();
    if (!ensureBuffer(shown ? pixelSize : QSize(1, 1))) return;
    if (!core.renderFrame(m_image.size(), m_image.bytesPerLine(), m_pixels.get(), !shown) || !shown) return;
    ++m_framesShown;
    if (!m_hasPicture) {
        m_hasPicture = true;
        // Every pixel is painted from the frame from now on: Qt need not paint what lies behind.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    if (m_firstFrameMs < 0) {
        m_firstFrameMs = msSinceProcessStart();
        if (m_reportFrames)
            qCInfo(quorvel::log::video, "first-frame %lld", static_cast<long long>(m_firstFrameMs));
    }
    if (m_reportFrames && m_framesShown % kReportEvery == 0) {
        const qint64 dropped = core.observedValue(mpvname::kFrameDropCount).toLongLong() +
                               core.observedValue(mpvname::kDecoderFrameDropCount).toLongLong();
        qCInfo(quorvel::log::video, "frames %lld dropped %lld", static_cast<long long>(m_framesShown),
               static_cast<long long>(dropped));
    }
    update();
}

void VideoSurface::clear() {
    m_hasPicture = false;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    update();
}

void VideoSurface::consumeFrame(MpvCore& core) {
    alignas(kAlignment) uchar pixel[kAlignment] = {};
    core.renderFrame(QSize(1, 1), kAlignment, pixel, true);
}

QImage VideoSurface::currentImage() const {
    return m_hasPicture ? m_image.copy() : QImage();
}

void VideoSurface::paintEvent(QPaintEvent*) {
    if (!m_hasPicture) return;
    QPainter painter(this);
    // Normally the frame already has the widget's size; during a resize while paused it is
    // stretched until the next frame arrives.
    painter.drawImage(rect(), m_image);
}

}  // namespace runtime
