#pragma once

#include "player/movie/core/Config.h"
#include "player/movie/core/PlayerSignals.h"
#include "player/movie/feed/Feed.h"
#include "player/movie/views/ViewContext.h"

#include <QObject>

#include <QWidget>

#include <functional>

namespace movie {

// Builds one of the views another part of the movie supplies, as a widget under `player`
// named after its clip. An empty maker leaves the clip a plain hidden widget.
using ViewMaker = std::function<QWidget*(const ViewContext& context, QWidget* player)>;

struct ViewMakers {
    ViewMaker controlbar;
    ViewMaker playlist;
    ViewMaker equalizer;
    ViewMaker captions;
};

}  // namespace movie
