#pragma once

#include "runtime_stream/StreamRecorder.h"

#include "runtime/stream/Stream.h"

#include <QStringList>

// A stream whose readings the test sets and whose calls it records; signals are raised by hand.
class ScriptedStream : public runtime::Stream {
public:
    void play(const QString& url) override { calls << QStringLiteral("play ") + url; }
    void pause() override { calls << QStringLiteral("pause"); }
    void resume() override { calls << QStringLiteral("resume"); }
    void seek(double seconds) override { calls << QStringLiteral("seek %1").arg(seconds); }
    void close() override {
        calls << QStringLiteral("close");
        if (closedLog) ++*closedLog;
    }
    double time() const override { return position; }
    double bufferLength() const override { return buffer; }
    double bufferTime() const override { return bufferSeconds; }
    void setBufferTime(double seconds) override { bufferSeconds = seconds; }
    qint64 bytesLoaded() const override { return loaded; }
    qint64 bytesTotal() const override { return total; }
    void setVolume(int percent) override { volume = percent; }
    bool attachVideo(runtime::VideoSurface*, QString*) override { return true; }
    void setLevelMetering(bool on) override { metering = on; }
    QList<double> soundLevels() const override { return levels; }

    // Sends the code of that name; a StreamNotFound carries `notFound`.
    void sendStatus(const QString& name) {
        for (const auto& [code, known] : kStreamCodeNames)
            if (name == QLatin1String(known)) Q_EMIT status({code, notFound});
    }
    void sendMetaData(const runtime::StreamMetadata& metadata) { Q_EMIT metaData(metadata); }

    QStringList calls;
    int* closedLog = nullptr;  // counts closes where the test can read it after the stream is gone
    double position = 0;
    double buffer = 0;
    double bufferSeconds = 0;
    qint64 loaded = 0;
    qint64 total = 0;
    int volume = -1;
    bool metering = false;
    QList<double> levels;
    runtime::NotFound notFound = runtime::NotFound::Missing;
};
