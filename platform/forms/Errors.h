#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

namespace platform::forms {

// A property assignment the control refuses (a negative size, a value out of range).
// Callers that skip failing statements catch it; everything else lets it reach the handler guard.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs an event handler so that an error leaving it is reported on standard error and the
// window goes on working, instead of ending the process.
void runHandler(const QString& where, const std::function<void()>& handler);

// Runs one statement of a procedure that skips failing statements: a refused assignment or any
// other error abandons that statement only.
void skipOnError(const std::function<void()>& statement);

}  // namespace platform::forms
