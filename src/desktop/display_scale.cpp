#include "desktop/display_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace qv {

namespace {

double Bounded(double scale) {
  if (!std::isfinite(scale)) return kMinDisplayScale;
  return std::clamp(scale, kMinDisplayScale, kMaxDisplayScale);
}

}  // namespace

double ChooseDisplayScale(std::optional<double> asked, const char* gdk_scale) {
  if (asked) return Bounded(*asked);
  if (!gdk_scale) return kMinDisplayScale;
  const char* end = gdk_scale + std::strlen(gdk_scale);
  int value = 0;
  const auto [stop, error] = std::from_chars(gdk_scale, end, value);
  if (error != std::errc() || stop != end) return kMinDisplayScale;
  return Bounded(value);
}

}  // namespace qv
