#pragma once

// The control bar's figures that the display, the playlist and the captions lay themselves out by.
namespace movie {

// The bar's height on the stage; "largecontrols" draws it at twice the size.
inline constexpr double kControlbarHeight = 20;
inline constexpr double kLargeControlsScale = 2;
// What a bar lying over the display keeps clear between itself and the display's edges.
inline constexpr double kControlbarMargin = 20;

constexpr double controlbarHeight(bool largeControls) {
    return largeControls ? kControlbarHeight * kLargeControlsScale : kControlbarHeight;
}

// How far above the bottom of the display the top of a bar lying over it stands.
constexpr double controlbarRise(bool largeControls) {
    return controlbarHeight(largeControls) + kControlbarMargin;
}

}  // namespace movie
