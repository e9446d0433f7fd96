#include "platform/forms/Errors.h"

#include "logging/LogCategories.h"

#include <string_view>

namespace platform::forms {

namespace {
std::string_view fileName(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

void reportSkipped(const std::source_location& where, const char* why) {
    const std::string_view file = fileName(where.file_name());
    qCWarning(quorvel::log::forms, "statement skipped at %.*s:%u in %s: %s", int(file.size()), file.data(),
              unsigned(where.line()), where.function_name(), why);
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

void skipOnError(const std::function<void()>& statement, std::source_location where) {
    // The statement is abandoned and the procedure goes on, as designed; the line is for whoever
    // reads a report.
    try {
        statement();
    } catch (const std::exception& e) {
        reportSkipped(where, e.what());
    } catch (...) {
        reportSkipped(where, "unknown error");
    }
}

}  // namespace platform::forms
