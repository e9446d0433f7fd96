#pragma once

namespace movie {

// Player states as the models report them.
enum class PlayerState { Paused, Buffering, Playing, Completed };

}  // namespace movie
