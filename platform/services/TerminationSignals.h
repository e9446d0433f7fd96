#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace platform {

// Turns the session's requests to end the program (SIGTERM at logout or from a task manager,
// SIGHUP when its terminal goes, SIGINT from Ctrl+C) into one call on the GUI thread, so the
// program can end as if the user had quit it. A second request while that call runs ends the
// process at once, as the signal's default would. One instance at a time.
class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void()> onRequest);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void requested();

    std::function<void()> m_onRequest;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_handled = false;
};

}  // namespace platform
