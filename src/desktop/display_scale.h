// How many screen pixels one of the game's logical pixels takes. The game
// lays out in logical pixels so that on a high-density screen its text is as
// readable as on an ordinary 96-DPI one. Wayland and macOS scale windows
// themselves (SDL reports their sizes in logical units already); on X11 a
// high-density desktop says so through GDK_SCALE, or the player passes
// --scale.
#pragma once

#include <optional>

namespace qv {

inline constexpr double kMinDisplayScale = 1.0;
inline constexpr double kMaxDisplayScale = 4.0;

// The scale asked for on the command line wins; else GDK_SCALE's value
// (`gdk_scale` may be null); else 1. Values outside 1..4 are brought inside,
// and an unreadable GDK_SCALE counts as unset.
double ChooseDisplayScale(std::optional<double> asked, const char* gdk_scale);

}  // namespace qv
