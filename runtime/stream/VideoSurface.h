#pragma once

#include <QImage>
#include <QWidget>

#include <cstdlib>
#include <memory>

namespace runtime {

class MpvCore;

// The display a stream's video is drawn on. Each frame is rendered by libmpv's software renderer
// at the widget's own pixel size (so libmpv does the scaling, smoothed) straight into the image
// that paintEvent draws. Frames are rendered only when the stream says one is due.
class VideoSurface : public QWidget {
    Q_OBJECT
public:
    explicit VideoSurface(QWidget* parent = nullptr);
    ~VideoSurface() override;

    // Renders the frame that is due. While the widget is not shown the frame is only consumed,
    // so playback never waits for a display nobody sees.
    void renderFrom(MpvCore& core);
    // A new stream's picture is to come: until its first frame the display behind shows through,
    // its background and icons, as it does for the whole of an item without video.
    void clear();
    // Lets libmpv move past a frame when there is no surface to show it on.
    static void consumeFrame(MpvCore& core);

    qint64 framesShown() const { return m_framesShown; }
    // Milliseconds from process start to the first frame shown, -1 before it.
    qint64 firstFrameMs() const { return m_firstFrameMs; }
    // A copy of the last frame rendered (null before the current stream's first).
    QImage currentImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct FreeBuffer {
        void operator()(uchar* p) const { std::free(p); }
    };
    bool ensureBuffer(QSize size);

    std::unique_ptr<uchar, FreeBuffer> m_pixels;
    QImage m_image;  // wraps m_pixels
    qint64 m_framesShown = 0;
    qint64 m_firstFrameMs = -1;
    bool m_reportFrames = false;
    bool m_hasPicture = false;
};

}  // namespace runtime
