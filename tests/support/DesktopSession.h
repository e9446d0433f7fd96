#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace testing {

// A desktop session for end-to-end tests, started by the test itself: an X server (Xvfb) on a
// display number it picks, optionally a window manager (openbox), a Wayland compositor (weston,
// drawing into the X server, so the X server's pointer drives it and its screen shows it) and a
// sound server (PulseAudio with a null sink), each in the test's own runtime folder. Everything is
// stopped by its process id when the session goes, also when the test failed.
class DesktopSession {
public:
    static constexpr int kScreenWidth = 1024;
    static constexpr int kScreenHeight = 768;
    // What the compositor shows where no window is: a colour no part of Quorvel has.
    static constexpr QRgb kWaylandBackground = 0xFFFF00FF;
    // What the drag source window (drag_source.cpp) fills itself with.
    static constexpr QRgb kDragSourceColour = 0xFFFFFF00;

    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Each returns false with the reason when its server did not come up.
    bool startX11(QString* error);
    bool startWindowManager(QString* error);
    bool startWayland(QString* error);
    bool startSound(QString* error);

    enum class Platform { X11, Wayland };
    // Starts Quorvel with the arguments as a native client of the X server or the compositor, with
    // the sound server when there is one.
    QProcess* startQuorvel(Platform platform, const QStringList& arguments);
    // Starts a window that drags the file when pressed, as a file manager does.
    QProcess* startDragSource(Platform platform, const QString& file);
    // The environment a program of this session runs in.
    QProcessEnvironment environment(Platform platform = Platform::X11) const;

    // Runs a tool of the session (xdotool, xprop, pactl...) to its end; its standard output, or
    // an empty array when it failed (the reason is logged).
    QByteArray run(const QString& program, const QStringList& arguments, int timeoutMs = 30000) const;
    QImage screenshot() const;
    // The bounding box of the pixels that are the colour, or with matching false, are not; the
    // pointer, which the compositor draws into the screen, is left out.
    static QRect boundsOf(const QImage& screen, QRgb colour, bool matching = true);
    // The X window whose title matches, waited for; 0 when none came.
    QString waitForWindow(const QString& titlePattern, int timeoutMs = 30000) const;
    // The window's client area on the screen.
    QRect windowGeometry(const QString& window) const;

    // The pointer, through the X server's XTEST extension, as a user's hand moves it.
    void pointerTo(QPoint at) const;
    void press() const;
    void release() const;
    void click(QPoint at) const;
    // Drags with the left button held from one point to another, in steps as a hand does. The
    // first step is kDragStart: a window system's move follows the pointer from there.
    static constexpr QPoint kDragStart{3, 2};
    void drag(QPoint from, QPoint to) const;
    void key(const QString& keys) const;

    QString soundMonitor() const;
    // Quorvel's own demo clip: a test pattern with a 330 Hz tone (resources/demo/make-demo.sh).
    static QString demoClip();
    QString runtimeFolder() const { return m_runtime; }

private:
    QProcess* startDaemon(const QString& program, const QStringList& arguments,
                          const QProcessEnvironment& env);

    QString m_runtime;
    QString m_display;
    QString m_waylandSocket;
    QString m_pulseSocket;
    std::vector<std::unique_ptr<QProcess>> m_processes;  // in start order, stopped in reverse
};

// Waits for a condition, letting events run; false when the time ran out.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);

}  // namespace testing
