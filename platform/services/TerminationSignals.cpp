#include "platform/services/TerminationSignals.h"

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Written by the signal handler, read on the GUI thread.
int g_pipe[2] = {-1, -1};

void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request: nothing is lost by a failed write.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

void setAction(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onRequest) : m_onRequest(std::move(onRequest)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_pipe) != 0) {
        std::perror("quorvel: termination requests will end the program without its shutdown");
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { requested(); });
    setAction(&onSignal);
}

TerminationSignals::~TerminationSignals() {
    if (!m_notifier) return;
    setAction(SIG_DFL);
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::requested() {
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    if (m_handled) return;
    m_handled = true;
    // Should the orderly end hang, the next request is not caught.
    setAction(SIG_DFL);
    if (m_onRequest) m_onRequest();
}

}  // namespace platform
