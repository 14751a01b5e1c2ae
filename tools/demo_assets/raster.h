// An RGB picture in memory with the few drawing operations the demo's
// pictures need: filled shapes, gradients and lines.
#pragma once

#include <cstdint>
#include <vector>

namespace qv::demo {

struct Rgb {
  uint8_t R = 0, G = 0, B = 0;
  bool operator==(const Rgb&) const = default;
};

Rgb Mix(Rgb a, Rgb b, int num, int den);

class Raster {
 public:
  Raster(int width, int height, Rgb fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void Set(int x, int y, Rgb c);  // silently clipped

  void FillRect(int x, int y, int w, int h, Rgb c);
  void FrameRect(int x, int y, int w, int h, int thickness, Rgb c);
  // Rows from `top` at y to `bottom` at y + h - 1.
  void VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom);
  void Disc(int cx, int cy, int r, Rgb c);
  void Ring(int cx, int cy, int inner, int outer, Rgb c);
  void Line(int x0, int y0, int x1, int y1, int thickness, Rgb c);
  // Filled triangle.
  void Triangle(int x0, int y0, int x1, int y1, int x2, int y2, Rgb c);

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace qv::demo
