#include "player/movie/views/playlist/PlaylistArea.h"

#include "player/movie/core/Config.h"
#include "player/movie/core/ControlbarHeight.h"

#include <algorithm>
#include <cmath>

namespace movie {

namespace {

// Less than this to spare beside or below the display is no room for a list.
constexpr double kRoomBeside = 20;
constexpr double kRoomBelow = 40;

bool roomBeside(const Config& config) {
    return config.number(configkey::kDisplayWidth) < config.number(configkey::kWidth) - kRoomBeside;
}

}  // namespace

bool hasPlaylistRoom(const Config& config) {
    return config.number(configkey::kDisplayHeight) < config.number(configkey::kHeight) - kRoomBelow ||
           roomBeside(config);
}

QRect playlistArea(const Config& config, bool fullScreen) {
    if (fullScreen) return {};
    const int width = int(config.number(configkey::kWidth));
    const int height = int(config.number(configkey::kHeight));
    const int displayWidth = int(config.number(configkey::kDisplayWidth));
    const int displayHeight = int(config.number(configkey::kDisplayHeight));
    if (roomBeside(config)) return QRect(displayWidth, 0, width - displayWidth, std::max(displayHeight, 0));
    const int barHeight = int(controlbarHeight(config.isTrue(configkey::kLargeControls)));
    const int top = displayHeight + barHeight;
    return QRect(0, top, std::max(width, 0), std::max(height - top, 0));
}

}  // namespace movie
