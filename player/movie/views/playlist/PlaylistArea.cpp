#include "player/movie/views/playlist/PlaylistArea.h"

#include "player/movie/core/Config.h"

#include <algorithm>
#include <cmath>

namespace movie {

QRect playlistArea(const Config& config, bool fullScreen) {
    if (fullScreen) return {};
    const int width = int(config.number(configkey::kWidth));
    const int height = int(config.number(configkey::kHeight));
    const int displayWidth = int(config.number(configkey::kDisplayWidth));
    const int displayHeight = int(config.number(configkey::kDisplayHeight));
    if (displayWidth < width - 20)
        return QRect(displayWidth, 0, width - displayWidth, std::max(displayHeight, 0));
    const int barHeight = config.isTrue(configkey::kLargeControls) ? 40 : 20;
    const int top = displayHeight + barHeight;
    return QRect(0, top, std::max(width, 0), std::max(height - top, 0));
}

}  // namespace movie
