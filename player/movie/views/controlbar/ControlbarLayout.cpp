#include "player/movie/views/controlbar/ControlbarLayout.h"

#include <cmath>

namespace movie {

namespace {
constexpr double kButtonWidth = 17;
constexpr double kFsWidth = 18;
constexpr double kVolWidth = 37;
constexpr double kTimeWidth = 42;
constexpr double kMinGrooveForTimes = 120;
}  // namespace

double flashRound(double value) {
    return std::floor(value + 0.5);
}

static void place(ControlbarLayout& out, const ControlbarLayoutInput& in) {
    if (in.fullScreen) {
        out.x = flashRound(in.stageWidth / 2 - 200);
        out.y = in.stageHeight - controlbarRise(false);
        out.width = 400;
        out.alpha = 1;
        out.backAlpha = 0.4;
        out.fsButton.visible = false;
        out.nsButton.visible = true;
    } else if (in.displayHeight == in.height) {
        out.y = in.displayHeight - controlbarRise(false);
        if (in.displayWidth < 450) {
            out.x = kControlbarMargin;
            out.width = in.displayWidth - 2 * kControlbarMargin;
        } else {
            out.x = flashRound(in.stageWidth / 2 - 200);
            out.width = 400;
        }
        out.alpha = 0;
        out.backAlpha = 0.4;
        out.overDisplay = true;
        out.fsButton.visible = true;
        out.nsButton.visible = false;
    } else {
        out.x = 0;
        out.y = in.displayHeight;
        out.width = in.width;
        out.alpha = 1;
        out.backAlpha = 1;
        out.fsButton.visible = true;
        out.nsButton.visible = false;
    }
    if (in.largeControls) {
        out.scale = kLargeControlsScale;
        if (in.fullScreen) {
            out.y = in.stageHeight - controlbarRise(true);
            out.width = 300;
            out.x = flashRound(in.stageWidth / 2 - 300);
        } else {
            out.width /= 2;
        }
    }
}

ControlbarLayout layoutControlbar(const ControlbarLayoutInput& in) {
    ControlbarLayout out;
    place(out, in);
    const double w = out.width;
    out.back = {0, w, true};
    out.playpause = {0, kButtonWidth, true};

    double groove = 0;
    if (in.itemCount > 1) {
        out.prev = {kButtonWidth, kButtonWidth, true};
        out.next = {2 * kButtonWidth, kButtonWidth, true};
        groove = w - 88;
        out.scrub.x = 51;
    } else {
        out.prev = {kButtonWidth, kButtonWidth, false};
        out.next = {2 * kButtonWidth, kButtonWidth, false};
        groove = w - 54;
        out.scrub.x = 17;
    }

    const bool fsUnwanted = !in.canChangeDisplayState || !in.useFullscreen || in.onlyAudio;
    out.fs.width = kFsWidth;
    if (!in.hasFsButtonLink && fsUnwanted) {
        out.fs.visible = false;
    } else {
        groove -= kFsWidth;
        out.fs.x = w - 55;
    }

    out.cc.width = kButtonWidth;
    if (in.hasCaptions) {
        out.cc.x = w - 54;
        groove -= kButtonWidth;
        out.fs.x -= kButtonWidth;
    } else {
        out.cc.visible = false;
    }
    out.scrub.width = groove;

    if (!in.showDigits || groove < kMinGrooveForTimes) {
        out.elpTxt = {0, kTimeWidth, false};
        out.remTxt = {groove - 39, 39, false};
        out.bar.x = out.bck.x = 5;
        out.barWidths = groove - 10;
    } else {
        out.elpTxt = {0, kTimeWidth, true};
        out.remTxt = {groove - 39, 39, true};
        out.bar.x = out.bck.x = kTimeWidth;
        out.barWidths = groove - 84;
    }
    out.bck.width = out.barWidths;
    out.fsButton.width = out.nsButton.width = kFsWidth;
    out.vol = {w - kVolWidth, kVolWidth, true};
    return out;
}

}  // namespace movie
