// A tiny built-in 5 x 7 capital font for the captions drawn into the demo's
// pictures. Lower-case letters are drawn as capitals; the Czech accented
// letters get their acute, caron or ring drawn above the capital.
#pragma once

#include <string_view>

#include "raster.h"

namespace qv::demo {

// Width in pixels of `utf8` drawn at `scale` (each font pixel a scale x scale
// square, one blank column between letters).
int TextWidth(std::string_view utf8, int scale);
// Height of a line at `scale`, accents included.
int TextHeight(int scale);

// Draws `utf8` with its top-left corner (accent row included) at x, y.
void DrawText(Raster& raster, int x, int y, std::string_view utf8, int scale, Rgb colour);
// The same, centred horizontally on cx.
void DrawCentredText(Raster& raster, int cx, int y, std::string_view utf8, int scale, Rgb colour);

}  // namespace qv::demo
