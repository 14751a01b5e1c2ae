#include "desktop/window_placement.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "data/user_preferences.h"

namespace qv {

namespace {

constexpr double kSmallestScale = 0.01;
// A window never shrinks below this, however small the desktop says it is.
constexpr int kSmallestSide = 64;

}  // namespace

double FittingScale(double wanted, int width, int height, const Rect& usable,
                    const WindowBorders& borders) {
  const int room_x = usable.Width - borders.Left - borders.Right;
  const int room_y = usable.Height - borders.Top - borders.Bottom;
  double scale = wanted;
  if (width > 0 && room_x > 0) scale = std::min(scale, double(room_x) / width);
  if (height > 0 && room_y > 0) scale = std::min(scale, double(room_y) / height);
  return std::max(scale, kSmallestScale);
}

std::optional<WindowPlacement> ReadWindowPlacement(const UserPreferences& preferences) {
  const auto left = preferences.GetNumber("window.left");
  const auto top = preferences.GetNumber("window.top");
  const auto width = preferences.GetNumber("window.width");
  const auto height = preferences.GetNumber("window.height");
  if (!left || !top || !width || !height) return std::nullopt;
  // Anything beyond a screen's reach is a damaged file, not a placement.
  constexpr long long kReach = 1 << 20;
  const auto within = [](long long v, long long low) { return v >= low && v <= kReach; };
  if (!within(*left, -kReach) || !within(*top, -kReach) || !within(*width, 1) ||
      !within(*height, 1)) {
    return std::nullopt;
  }
  WindowPlacement placement;
  placement.Area = Rect{int(*left), int(*top), int(*width), int(*height)};
  placement.Maximized = preferences.GetFlag("window.maximized");
  return placement;
}

void WriteWindowPlacement(UserPreferences& preferences, const WindowPlacement& placement) {
  preferences.Set("window.left", std::to_string(placement.Area.Left));
  preferences.Set("window.top", std::to_string(placement.Area.Top));
  preferences.Set("window.width", std::to_string(placement.Area.Width));
  preferences.Set("window.height", std::to_string(placement.Area.Height));
  preferences.Set("window.maximized", placement.Maximized ? "1" : "0");
}

WindowPlacement KeptOnScreen(WindowPlacement placement, const Rect& usable,
                             const WindowBorders& borders) {
  Rect& area = placement.Area;
  const int room_x = std::max(kSmallestSide, usable.Width - borders.Left - borders.Right);
  const int room_y = std::max(kSmallestSide, usable.Height - borders.Top - borders.Bottom);
  area.Width = std::clamp(area.Width, kSmallestSide, room_x);
  area.Height = std::clamp(area.Height, kSmallestSide, room_y);
  const int first_x = usable.Left + borders.Left;
  const int first_y = usable.Top + borders.Top;
  area.Left = std::clamp(area.Left, first_x, std::max(first_x, first_x + room_x - area.Width));
  area.Top = std::clamp(area.Top, first_y, std::max(first_y, first_y + room_y - area.Height));
  return placement;
}

bool IsWholeScale(float scale) {
  return scale >= 1.0f && std::fabs(scale - std::round(scale)) < 0.001f;
}

}  // namespace qv
