#include "platform/forms/Errors.h"

#include "logging/LogCategories.h"

#include <string_view>

namespace platform::forms {

namespace {
std::string_view fileName(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

void reportSkipped(std::string_view path, int line, const char* function, const char* why) {
    const std::string_view file = fileName(path);
    qCWarning(quorvel::log::forms, "statement skipped at %.*s:%d in %s: %s", int(file.size()), file.data(),
              line, function, why);
}
}  // namespace

void runHandler(const QString& where, const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& e) {
        qCWarning(quorvel::log::forms, "error in %s: %s", qUtf8Printable(where), e.what());
    } catch (...) {
        qCWarning(quorvel::log::forms, "error in %s", qUtf8Printable(where));
    }
}

void skipOnError(const std::function<void()>& statement, const char* file, int line, const char* function) {
    // The statement is abandoned and the procedure goes on, as designed; the line is for whoever
    // reads a report.
    try {
        statement();
    } catch (const std::exception& e) {
        reportSkipped(file, line, function, e.what());
    } catch (...) {
        reportSkipped(file, line, function, "unknown error");
    }
}

}  // namespace platform::forms
