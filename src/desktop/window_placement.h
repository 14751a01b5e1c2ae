// Where the game window stands when it is a window: the size that fits the
// desktop's usable area with its frame, the size and place the player left
// it at last time (kept in the player's own preferences, never in a
// gamebook), and whether a scale is whole, so pictures may be drawn sharp.
#pragma once

#include <optional>

#include "desktop/canvas.h"

namespace qv {

class UserPreferences;

// The window manager's frame around the window's inside, in screen pixels.
struct WindowBorders {
  int Top = 0;
  int Left = 0;
  int Bottom = 0;
  int Right = 0;
};

// The window's inside on the desktop, in screen pixels.
struct WindowPlacement {
  Rect Area;
  bool Maximized = false;
  bool operator==(const WindowPlacement& other) const {
    return Area.Left == other.Area.Left && Area.Top == other.Area.Top &&
           Area.Width == other.Area.Width && Area.Height == other.Area.Height &&
           Maximized == other.Maximized;
  }
};

// The largest scale, at most `wanted`, at which a window of `width` x
// `height` logical pixels and its frame fit in `usable`; never below a
// hundredth, so a window still opens on an absurdly small desktop.
double FittingScale(double wanted, int width, int height, const Rect& usable,
                    const WindowBorders& borders);

// The remembered placement ("window.left", "window.top", "window.width",
// "window.height", "window.maximized"); nullopt when the keys are missing or
// not numbers, or the size is not positive.
std::optional<WindowPlacement> ReadWindowPlacement(const UserPreferences& preferences);
void WriteWindowPlacement(UserPreferences& preferences, const WindowPlacement& placement);

// A remembered placement brought onto this desktop: no larger than the
// usable area leaves room for (with the frame) and moved so that the frame
// lies inside it, since the desktop may have shrunk since the last run.
WindowPlacement KeptOnScreen(WindowPlacement placement, const Rect& usable,
                             const WindowBorders& borders);

// Whether a render scale is a whole number (to within a rounding error):
// then every logical pixel is a square of screen pixels and pictures are
// scaled without smoothing.
bool IsWholeScale(float scale);

}  // namespace qv
