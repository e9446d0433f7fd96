#include "platform/forms/Errors.h"

#include <cstdio>

namespace platform::forms {

void runHandler(const QString& where, const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorvel: error in %s: %s\n", qPrintable(where), e.what());
    } catch (...) {
        std::fprintf(stderr, "quorvel: error in %s\n", qPrintable(where));
    }
}

void skipOnError(const std::function<void()>& statement) {
    try {
        statement();
    } catch (...) {
        // The statement is abandoned and the procedure goes on, as designed.
    }
}

}  // namespace platform::forms
