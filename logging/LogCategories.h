#pragma once

#include <QLoggingCategory>

// The program's logging categories, one for each area that reports what it could not do. Lines
// go to standard error as "<category>: <message>"; QT_LOGGING_RULES can silence an area.
namespace quorvel::log {

Q_DECLARE_LOGGING_CATEGORY(forms)
Q_DECLARE_LOGGING_CATEGORY(registry)
Q_DECLARE_LOGGING_CATEGORY(settings)
Q_DECLARE_LOGGING_CATEGORY(shell)
Q_DECLARE_LOGGING_CATEGORY(intake)
Q_DECLARE_LOGGING_CATEGORY(player)
Q_DECLARE_LOGGING_CATEGORY(movie)
Q_DECLARE_LOGGING_CATEGORY(component)
Q_DECLARE_LOGGING_CATEGORY(mpv)
Q_DECLARE_LOGGING_CATEGORY(video)
Q_DECLARE_LOGGING_CATEGORY(mpris)

}  // namespace quorvel::log
