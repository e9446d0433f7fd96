#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace skingen {

// The skin's ground colour and the pale green beside the title strip's dash.
inline constexpr QRgb kSkinGreen = 0xFF008000;
inline constexpr QRgb kPaleGreen = 0xFFE9F4E9;

// 7000 x 23 of green with a short white dash at the left end of rows 10 and 11.
QImage titleStrip();

// White anti-aliased lettering, centred on green, in the skin's bold face sized to fit.
QImage wordButton(const QString& text, QSize size);

enum class Glyph { Question, Cross };

// A 20 x 20 raised square button: black edge, white highlight top and left, grey shadow bottom
// and right, a green face bearing a white glyph.
QImage glyphButton(Glyph glyph);

}  // namespace skingen
