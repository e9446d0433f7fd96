#include "logging/LogCategories.h"

namespace quorvel::log {

Q_LOGGING_CATEGORY(forms, "quorvel.forms")
Q_LOGGING_CATEGORY(registry, "quorvel.registry")
Q_LOGGING_CATEGORY(settings, "quorvel.settings")
Q_LOGGING_CATEGORY(shell, "quorvel.shell")
Q_LOGGING_CATEGORY(intake, "quorvel.intake")
Q_LOGGING_CATEGORY(player, "quorvel.player")
Q_LOGGING_CATEGORY(movie, "quorvel.movie")
Q_LOGGING_CATEGORY(component, "quorvel.component")
Q_LOGGING_CATEGORY(mpv, "quorvel.mpv")
Q_LOGGING_CATEGORY(video, "quorvel.video")
Q_LOGGING_CATEGORY(mpris, "quorvel.mpris")

}  // namespace quorvel::log
