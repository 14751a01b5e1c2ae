// The background of the main menu's window and of the windows shown in its
// place (the about window, the load list).
#pragma once

#include "desktop/canvas.h"

namespace qv {

// Fills `window` with `fill` and draws the background picture at its top
// left (an empty frame of the window's size when the picture is missing).
// When the window is cut to the shape of its pictures, the picture's own area
// is not filled first: its see-through pixels are then left in the
// see-through colour the frame starts with, and are cut out of the window.
void DrawMenuBackground(Canvas& canvas, bool shaped_window, const Rect& window, Colour fill,
                        const ShownPicture& picture);

}  // namespace qv
