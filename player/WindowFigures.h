#pragma once

// The figures that frame the player area in the main window. Pixel figures are turned into
// twips with the screen's twips per pixel on their axis.
namespace player::figures {

// The band from the window's top down to the player control, in twips.
inline constexpr float kTopBand = 375;

// The player movie's stage: the player area at start-up and the least the size guard allows.
inline constexpr int kStageWidthPixels = 320;
inline constexpr int kStageHeightPixels = 260;

// The player area's height right after a file is loaded; the size guard raises it to the stage.
inline constexpr int kLoadedPlayerHeightPixels = 240;

// The bottom bar Picture3 as composed; the formulas read the bar's own height.
inline constexpr float kBottomBarHeight = 735;

}  // namespace player::figures
