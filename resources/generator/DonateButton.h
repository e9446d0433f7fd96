#pragma once

#include <QImage>

namespace skingen {

// 100 x 44, ARGB: a light-grey rounded button with a thin dark border, two generic payment
// cards side by side in its upper half and "FAIRE UN DON" in black capitals below them. Outside
// the rounded corners it is transparent.
QImage donateButton();

}  // namespace skingen
