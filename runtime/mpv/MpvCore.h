#pragma once

#include <QHash>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>

#include "runtime/mpv/MpvInstance.h"

struct mpv_handle;
struct mpv_render_context;

namespace runtime {

struct MpvInstances;

// The one holder of a libmpv instance. It lives on the GUI thread: libmpv's callbacks only post a
// queued call here, and events are drained and turned into Qt signals with Qt types.
class MpvCore : public QObject {
    Q_OBJECT
public:
    enum class EndReason { Eof, Stop, Quit, Error, Redirect };
    Q_ENUM(EndReason)

    // A started core with the runtime's fixed options, taken from instances' spare; it goes back
    // to instances to be ended. The C numeric locale must already be in force (see
    // prepareMpvLocale); otherwise isValid() is false.
    explicit MpvCore(MpvInstances& instances, QObject* parent = nullptr);
    ~MpvCore() override;
    MpvCore(const MpvCore&) = delete;
    MpvCore& operator=(const MpvCore&) = delete;

    bool isValid() const { return m_mpv != nullptr; }
    QString errorText() const { return m_error; }

    // Sets a property without waiting for the core (bool, integer, double or text values).
    void setValue(const char* name, const QVariant& value);
    // Reads a property now; an invalid QVariant when it is unavailable. This waits for the core,
    // which may itself be waiting for this thread to render a frame: never call it while video
    // plays, read an observed value instead.
    QVariant value(const char* name) const;
    // Reports every change of the property through propertyChanged (maps and lists as
    // QVariantMap / QVariantList, an invalid QVariant while unavailable).
    void observe(const char* name);
    // Asks for a property's value now without waiting; it arrives through valueRead with the id.
    void valueAsync(const char* name, quint64 id);
    // The last value reported for an observed property, without waiting for the core.
    QVariant observedValue(const char* name) const { return m_observed.value(QLatin1String(name)); }
    // Runs a command without waiting; its result arrives through commandDone with the same id.
    void commandAsync(const QStringList& args, quint64 id = 0);

    // Video: a software render context that renders into caller-owned memory; false with the
    // reason when the core has none.
    bool enableSoftwareRender(QString* error);
    // Renders the current frame at size into pixels (bgr0, the given stride); with skip the frame
    // is only consumed so playback does not wait for a display that is not shown.
    bool renderFrame(QSize size, qsizetype stride, void* pixels, bool skip);

Q_SIGNALS:
    void propertyChanged(const QString& name, const QVariant& value);
    void commandDone(quint64 id, bool ok, const QVariant& result);
    void valueRead(quint64 id, const QVariant& value);
    void fileStarted(qint64 entryId);
    void fileLoaded();
    void fileEnded(qint64 entryId, runtime::MpvCore::EndReason reason, const QString& error);
    void playbackRestarted();
    void logMessage(const QString& level, const QString& text);
    // A new video frame is ready to be rendered.
    void frameDue();

private:
    void adopt(const MpvInstance& instance);
    void drainEvents();
    void drainRenderUpdates();
    static void onWakeup(void* self);
    static void onRenderUpdate(void* self);

    MpvInstances& m_instances;
    mpv_handle* m_mpv = nullptr;
    mpv_render_context* m_render = nullptr;
    QString m_error;
    QHash<QString, QVariant> m_observed;
    // Set by libmpv's threads while a drain is queued for this thread.
    std::atomic<bool> m_drainPosted{false};
    std::atomic<bool> m_renderPosted{false};
};

}  // namespace runtime
