#include "support/DesktopSession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>

#include <utility>
#include <vector>

namespace testing {

namespace {

constexpr int kStartTimeoutMs = 30000;
const QString kSinkName = QStringLiteral("quorvel_test");

QString scratchFolder() {
    return qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath());
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return true;
}

DesktopSession::DesktopSession() : m_runtime(scratchFolder() + QStringLiteral("/session")) {
    QDir().mkpath(m_runtime);
    QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

DesktopSession::~DesktopSession() {
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
        QProcess& process = **it;
        if (process.state() == QProcess::NotRunning) continue;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
}

QProcess* DesktopSession::startDaemon(const QString& program, const QStringList& arguments,
                                      const QProcessEnvironment& env) {
    auto& process = m_processes.emplace_back(std::make_unique<QProcess>());
    process->setProcessEnvironment(env);
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    if (!process->waitForStarted(kStartTimeoutMs)) qWarning("cannot start %s", qPrintable(program));
    return process.get();
}

bool DesktopSession::startX11(QString* error) {
    // The server picks a free display number and writes it to the descriptor given.
    QProcess* xvfb =
        startDaemon(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")},
                    QProcessEnvironment::systemEnvironment());
    QByteArray number;
    waitUntil(
        [&] {
            xvfb->waitForReadyRead(100);
            number += xvfb->readAllStandardOutput();
            return number.contains('\n') || xvfb->state() == QProcess::NotRunning;
        },
        kStartTimeoutMs);
    if (!number.contains('\n')) {
        *error =
            QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(xvfb->readAllStandardError());
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    return true;
}

bool DesktopSession::startWindowManager(QString* error) {
    startDaemon(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")}, environment());
    // Up once it names itself on the root window.
    if (waitUntil(
            [&] {
                return run(QStringLiteral("xprop"),
                           {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                    .contains("window id");
            },
            kStartTimeoutMs))
        return true;
    *error = QStringLiteral("openbox did not start");
    return false;
}

bool DesktopSession::startWayland(QString* error) {
    const QString config = m_runtime + QStringLiteral("/weston.ini");
    QFile ini(config);
    if (!ini.open(QIODevice::WriteOnly)) return *error = QStringLiteral("cannot write ") + config, false;
    ini.write(QStringLiteral("[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0x%1\n")
                  .arg(kWaylandBackground, 8, 16, QLatin1Char('0'))
                  .toLatin1());
    ini.close();
    m_waylandSocket = QStringLiteral("wayland-quorvel");
    QProcess* weston = startDaemon(
        QStringLiteral("weston"),
        {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
         QStringLiteral("--socket=") + m_waylandSocket, QStringLiteral("--config=") + config,
         QStringLiteral("--width=%1").arg(kScreenWidth), QStringLiteral("--height=%1").arg(kScreenHeight)},
        environment());
    // Up once its shell has painted the background (the pointer starts in the middle).
    if (waitUntil(
            [&] { return screenshot().pixel(kScreenWidth / 4, kScreenHeight / 4) == kWaylandBackground; },
            kStartTimeoutMs)) {
        // Weston's X11 backend moves its pointer by the X pointer's steps from where it last saw it,
        // which may be from before its screen was up. Pushed into the far corner and back, both
        // pointers stop at the edges and agree from then on.
        pointerTo(QPoint(kScreenWidth - 1, kScreenHeight - 1));
        pointerTo(QPoint(0, 0));
        return true;
    }
    *error =
        QStringLiteral("weston did not start: ") + QString::fromLocal8Bit(weston->readAllStandardError());
    return false;
}

bool DesktopSession::startSound(QString* error) {
    const QString home = m_runtime + QStringLiteral("/pulse");
    QDir().mkpath(home);
    m_pulseSocket = home + QStringLiteral("/native");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    env.remove(QStringLiteral("DISPLAY"));
    startDaemon(
        QStringLiteral("pulseaudio"),
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
         QStringLiteral("--use-pid-file=no"), QStringLiteral("--disable-shm=yes"),
         QStringLiteral("--load=module-null-sink sink_name=") + kSinkName,
         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + m_pulseSocket},
        env);
    if (waitUntil(
            [&] {
                return run(QStringLiteral("pactl"), {QStringLiteral("info")}).contains(kSinkName.toUtf8());
            },
            kStartTimeoutMs))
        return true;
    *error = QStringLiteral("pulseaudio did not start");
    return false;
}

QProcessEnvironment DesktopSession::environment(Platform platform) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               platform == Platform::Wayland ? QStringLiteral("wayland") : QStringLiteral("xcb"));
    if (platform == Platform::Wayland)
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_waylandSocket);
    else
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // No desktop environment: xdg-open and the like take their generic paths.
    for (const char* name :
         {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        env.remove(QLatin1String(name));
    if (!m_pulseSocket.isEmpty()) {
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + m_pulseSocket);
        env.insert(QStringLiteral("PULSE_SINK"), kSinkName);
        env.remove(QStringLiteral("QUORVEL_AUDIO_OUTPUT"));
    }
    return env;
}

QProcess* DesktopSession::startQuorvel(Platform platform, const QStringList& arguments) {
    return startDaemon(QStringLiteral(QUORVEL_BINARY), arguments, environment(platform));
}

QProcess* DesktopSession::startDragSource(Platform platform, const QString& file) {
    return startDaemon(QStringLiteral(QUORVEL_DRAG_SOURCE), {file}, environment(platform));
}

QByteArray DesktopSession::run(const QString& program, const QStringList& arguments, int timeoutMs) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        qWarning("%s did not finish", qPrintable(program));
        return {};
    }
    // Failing is an answer for some (a search that finds nothing): the callers look at the output.
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
    return process.readAllStandardOutput();
}

QImage DesktopSession::screenshot() const {
    const QByteArray png = run(QStringLiteral("import"),
                               {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QRect DesktopSession::boundsOf(const QImage& screen, QRgb colour, bool matching) {
    // Rows and columns with fewer such pixels than a pointer has are the pointer's, not a window's.
    constexpr int kMoreThanAPointer = 40;
    std::vector<int> inRow(size_t(screen.height())), inColumn(size_t(screen.width()));
    for (int y = 0; y < screen.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x)
            if (((row[x] | 0xFF000000u) == colour) == matching) ++inRow[size_t(y)], ++inColumn[size_t(x)];
    }
    auto span = [](const std::vector<int>& counts) {
        int first = -1, last = -1;
        for (int i = 0; i < int(counts.size()); ++i)
            if (counts[size_t(i)] >= kMoreThanAPointer) {
                if (first < 0) first = i;
                last = i;
            }
        return std::pair(first, last);
    };
    const auto [top, bottom] = span(inRow);
    const auto [left, right] = span(inColumn);
    return top < 0 || left < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QString DesktopSession::waitForWindow(const QString& titlePattern, int timeoutMs) const {
    QString window;
    waitUntil(
        [&] {
            const QList<QByteArray> found =
                run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                QStringLiteral("--name"), titlePattern})
                    .split('\n');
            window = QString::fromLatin1(found.value(0));
            return !window.isEmpty();
        },
        timeoutMs);
    return window;
}

QRect DesktopSession::windowGeometry(const QString& window) const {
    QRect rect;
    for (const QByteArray& line : run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                                  QStringLiteral("--shell"), window})
                                      .split('\n')) {
        const QList<QByteArray> pair = line.split('=');
        if (pair.size() != 2) continue;
        const int value = pair[1].toInt();
        if (pair[0] == "X") rect.moveLeft(value);
        if (pair[0] == "Y") rect.moveTop(value);
        if (pair[0] == "WIDTH") rect.setWidth(value);
        if (pair[0] == "HEIGHT") rect.setHeight(value);
    }
    return rect;
}

void DesktopSession::pointerTo(QPoint at) const {
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

void DesktopSession::press() const {
    run(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
}

void DesktopSession::release() const {
    run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
}

void DesktopSession::click(QPoint at) const {
    pointerTo(at);
    run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
}

void DesktopSession::drag(QPoint from, QPoint to) const {
    // A hand's pace: the window system's move starts at the first move after the press and
    // follows from where the pointer is then.
    constexpr int kSteps = 5;
    constexpr int kStepMs = 100;
    pointerTo(from);
    press();
    pointerTo(from + kDragStart);
    QTest::qWait(3 * kStepMs);
    for (int i = 1; i <= kSteps; ++i) {
        pointerTo(from + kDragStart + (to - from - kDragStart) * i / kSteps);
        QTest::qWait(kStepMs);
    }
    release();
}

void DesktopSession::key(const QString& keys) const {
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

QString DesktopSession::demoClip() {
    return qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QStringLiteral("/resources/demo/demo.flv");
}

QString DesktopSession::soundMonitor() const {
    return kSinkName + QStringLiteral(".monitor");
}

}  // namespace testing
