#include "desktop/window_shape.h"

#include <SDL_syswm.h>

#include <algorithm>

#ifdef QV_HAVE_XSHAPE
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#endif

namespace qv {

std::vector<ShapeRun> KeptRuns(const Picture& frame, Colour see_through) {
  const uint8_t red = see_through & 0xFF;
  const uint8_t green = (see_through >> 8) & 0xFF;
  const uint8_t blue = (see_through >> 16) & 0xFF;
  std::vector<ShapeRun> runs;
  if (frame.Width <= 0 || frame.Height <= 0 ||
      frame.Rgba.size() < RgbaBytes(frame.Width, frame.Height)) {
    return runs;
  }
  for (int y = 0; y < frame.Height; ++y) {
    const uint8_t* row = frame.Rgba.data() + RgbaBytes(frame.Width, y);
    int x = 0;
    while (x < frame.Width) {
      auto cut = [&](int at) {
        const uint8_t* p = row + static_cast<std::size_t>(at) * 4;
        return p[0] == red && p[1] == green && p[2] == blue;
      };
      while (x < frame.Width && cut(x)) ++x;
      const int left = x;
      while (x < frame.Width && !cut(x)) ++x;
      if (x > left) runs.push_back(ShapeRun{y, left, x});
    }
  }
  return runs;
}

void BlackOut(Picture& frame, Colour colour) {
  const uint8_t red = colour & 0xFF;
  const uint8_t green = (colour >> 8) & 0xFF;
  const uint8_t blue = (colour >> 16) & 0xFF;
  for (std::size_t at = 0; at + 3 < frame.Rgba.size(); at += 4) {
    uint8_t* p = frame.Rgba.data() + at;
    if (p[0] == red && p[1] == green && p[2] == blue) p[0] = p[1] = p[2] = 0;
  }
}

#ifdef QV_HAVE_XSHAPE

namespace {

struct X11Window {
  Display* display = nullptr;
  ::Window window = 0;
};

X11Window X11Of(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return {};
  return X11Window{info.info.x11.display, info.info.x11.window};
}

}  // namespace

WindowShape::WindowShape(SDL_Window* window) : window_(window) {
  const X11Window x11 = X11Of(window_);
  int event_base = 0;
  int error_base = 0;
  available_ = x11.display && XShapeQueryExtension(x11.display, &event_base, &error_base);
}

void WindowShape::Apply(const Picture& frame, Colour see_through) {
  if (!available_) return;
  std::vector<ShapeRun> runs = KeptRuns(frame, see_through);
  if (runs.empty()) {
    Clear();
    return;
  }
  // Setting a shape costs a round trip to the X server; the menu redraws on
  // every mouse move but its outline rarely changes.
  if (shaped_ && runs == applied_) return;
  const X11Window x11 = X11Of(window_);
  if (!x11.display) return;
  std::vector<XRectangle> rectangles;
  rectangles.reserve(runs.size());
  for (const ShapeRun& run : runs) {
    rectangles.push_back(XRectangle{static_cast<short>(run.Left), static_cast<short>(run.Top),
                                    static_cast<unsigned short>(run.Right - run.Left), 1});
  }
  XShapeCombineRectangles(x11.display, x11.window, ShapeBounding, 0, 0, rectangles.data(),
                          static_cast<int>(rectangles.size()), ShapeSet, YXBanded);
  XFlush(x11.display);
  applied_ = std::move(runs);
  shaped_ = true;
}

void WindowShape::Clear() {
  if (!available_ || !shaped_) return;
  const X11Window x11 = X11Of(window_);
  if (!x11.display) return;
  XShapeCombineMask(x11.display, x11.window, ShapeBounding, 0, 0, None, ShapeSet);
  XFlush(x11.display);
  applied_.clear();
  shaped_ = false;
}

#else

WindowShape::WindowShape(SDL_Window* window) : window_(window) {}
void WindowShape::Apply(const Picture&, Colour) {}
void WindowShape::Clear() {}

#endif

}  // namespace qv
