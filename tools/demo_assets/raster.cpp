#include "raster.h"

#include <algorithm>
#include <cstdlib>

namespace qv::demo {

Rgb Mix(Rgb a, Rgb b, int num, int den) {
  auto mix = [&](int x, int y) { return static_cast<uint8_t>(x + (y - x) * num / den); };
  return {mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B)};
}

Raster::Raster(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Raster::Set(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Raster::FillRect(int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Raster::FrameRect(int x, int y, int w, int h, int thickness, Rgb c) {
  FillRect(x, y, w, thickness, c);
  FillRect(x, y + h - thickness, w, thickness, c);
  FillRect(x, y, thickness, h, c);
  FillRect(x + w - thickness, y, thickness, h, c);
}

void Raster::VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom) {
  for (int j = 0; j < h; ++j) FillRect(x, y + j, w, 1, Mix(top, bottom, j, std::max(1, h - 1)));
}

void Raster::Disc(int cx, int cy, int r, Rgb c) { Ring(cx, cy, -1, r, c); }

void Raster::Ring(int cx, int cy, int inner, int outer, Rgb c) {
  for (int j = -outer; j <= outer; ++j)
    for (int i = -outer; i <= outer; ++i) {
      const int d = i * i + j * j;
      if (d <= outer * outer && d > inner * inner) Set(cx + i, cy + j, c);
    }
}

void Raster::Line(int x0, int y0, int x1, int y1, int thickness, Rgb c) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  const int half = thickness / 2;
  for (int s = 0; s <= steps; ++s) {
    const int x = steps == 0 ? x0 : x0 + (x1 - x0) * s / steps;
    const int y = steps == 0 ? y0 : y0 + (y1 - y0) * s / steps;
    FillRect(x - half, y - half, thickness, thickness, c);
  }
}

void Raster::Triangle(int x0, int y0, int x1, int y1, int x2, int y2, Rgb c) {
  const int minx = std::min({x0, x1, x2}), maxx = std::max({x0, x1, x2});
  const int miny = std::min({y0, y1, y2}), maxy = std::max({y0, y1, y2});
  auto edge = [](int ax, int ay, int bx, int by, int px, int py) {
    return static_cast<long>(bx - ax) * (py - ay) - static_cast<long>(by - ay) * (px - ax);
  };
  for (int y = miny; y <= maxy; ++y)
    for (int x = minx; x <= maxx; ++x) {
      const long a = edge(x0, y0, x1, y1, x, y), b = edge(x1, y1, x2, y2, x, y),
                 d = edge(x2, y2, x0, y0, x, y);
      if ((a >= 0 && b >= 0 && d >= 0) || (a <= 0 && b <= 0 && d <= 0)) Set(x, y, c);
    }
}

}  // namespace qv::demo
