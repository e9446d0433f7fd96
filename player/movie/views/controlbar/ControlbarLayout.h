#pragma once

#include "player/movie/core/ControlbarHeight.h"

namespace movie {

// What the control bar's layout depends on.
struct ControlbarLayoutInput {
    double width = 0;  // the configuration's "width" and "height"
    double height = 0;
    double displayWidth = 0;  // "displaywidth", "displayheight"
    double displayHeight = 0;
    bool largeControls = false;
    bool showDigits = true;
    bool useFullscreen = true;
    bool hasFsButtonLink = false;
    double stageWidth = 0;
    double stageHeight = 0;
    bool fullScreen = false;  // the stage's display state
    int itemCount = 1;
    bool hasCaptions = false;
    bool onlyAudio = false;
    bool canChangeDisplayState = true;
};

// One element in the bar's own units (before the 200 % scale of large controls).
struct ClipPlacement {
    double x = 0;
    double width = 0;
    bool visible = true;
};

// Where everything goes. The bar's x and y are stage pixels; the elements' x and widths are the
// bar's own units, scaled by `scale` when drawn. Element x values are inside their parent clip:
// "bar", "bck", "elpTxt", "remTxt" inside "scrub"; "fsButton" and "nsButton" inside "fs".
struct ControlbarLayout {
    double x = 0;
    double y = 0;
    double width = 0;  // W, the working width
    double scale = 1;
    double alpha = 1;          // the whole bar
    double backAlpha = 1;      // its background
    bool overDisplay = false;  // the bar lies over the display and hides itself

    ClipPlacement back, playpause, prev, next, scrub, fs, fsButton, nsButton, cc, vol;
    ClipPlacement elpTxt, remTxt, bar, bck;
    double barWidths = 0;  // the pixel width that stands for the whole item
};

ControlbarLayout layoutControlbar(const ControlbarLayoutInput& in);

// Flash's Math.round: halves go up.
double flashRound(double value);

}  // namespace movie
