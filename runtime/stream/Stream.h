#pragma once

#include "runtime/stream/StreamStatus.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace runtime {

class VideoSurface;

// What a stream's own onMetaData script tag says about it. Absent fields stay at 0 / empty.
struct StreamMetadata {
    double duration = 0;  // seconds
    double width = 0;     // pixels
    double height = 0;
    QList<double> keyframeTimes;      // seconds
    QList<double> keyframePositions;  // byte offsets in the file
};

// A progressive media stream as the movie's models use it (the component's NetStream), which
// reports what happens to it through status().
class Stream : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Stream() override = default;

    // Opens and starts a local path, an http(s) address or an RTMP stream address.
    virtual void play(const QString& url) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual void seek(double seconds) = 0;
    // Ends playback and releases the file or connection; the stream may be played again.
    virtual void close() = 0;

    virtual double time() const = 0;          // playback position, seconds
    virtual double bufferLength() const = 0;  // seconds buffered ahead of the position
    virtual double bufferTime() const = 0;
    virtual void setBufferTime(double seconds) = 0;
    virtual qint64 bytesLoaded() const = 0;
    virtual qint64 bytesTotal() const = 0;
    virtual void setVolume(int percent) = 0;  // 0 to 100
    // Sends the video to the surface from the next play on; without one it is not drawn.
    virtual bool attachVideo(VideoSurface* surface, QString* error = nullptr) = 0;
    // Measures the sound's level from the next play on. Off by default: it costs work on every
    // sound frame, which only a level display needs.
    virtual void setLevelMetering(bool on) = 0;
    // The level of the sound playing now, 0 (silence) to 1 (full scale): for each channel its
    // RMS level, then its peak level. Empty while nothing is measured.
    virtual QList<double> soundLevels() const = 0;

Q_SIGNALS:
    void status(const runtime::StreamStatus& status);
    void metaData(const runtime::StreamMetadata& metadata);
};

// Makes the streams a movie plays its items on.
using StreamFactory = std::function<std::unique_ptr<Stream>()>;

}  // namespace runtime
