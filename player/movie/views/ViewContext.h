#pragma once

#include <functional>

namespace runtime {
class Stage;
struct Movie;
}  // namespace runtime

namespace movie {

class Config;
class Feed;
class ViewUpdates;
class ViewRequests;

// What the control bar, playlist, captions and equalizer views are given: the stage they sit on,
// the movie (for its icons), the configuration and the feed the controller keeps up to date, and
// the two signal hubs. Everything referenced must outlive the views.
struct ViewContext {
    runtime::Stage& stage;
    const runtime::Movie& movie;
    const Config& config;
    const Feed& feed;
    ViewUpdates& updates;
    ViewRequests& requests;
};

}  // namespace movie
