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

// A statement reached for an object that does not exist (a control that could not be created).
class ObjectNotSetError : public std::runtime_error {
public:
    ObjectNotSetError() : std::runtime_error("object not set") {}
};

// Runs an event handler so that an error leaving it is reported on standard error and the
// window goes on working, instead of ending the process.
void runHandler(const QString& where, const std::function<void()>& handler);

// Runs one statement of a procedure that skips failing statements: a refused assignment or any
// other error abandons that statement only, and one line names the statement that failed. The place
// is the caller's (std::source_location would do, but clang 14 cannot read libstdc++ 12's).
void skipOnError(const std::function<void()>& statement, const char* file = __builtin_FILE(),
                 int line = __builtin_LINE(), const char* function = __builtin_FUNCTION());

}  // namespace platform::forms
