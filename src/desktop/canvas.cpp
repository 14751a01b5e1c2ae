#include "desktop/canvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qv {

namespace {

// An empty frame stands where a picture could not be read.
constexpr Colour kMissingPictureFrame = 0x808080;

// How far row `row` of a shape `height` rows high with corners of radius `r`
// starts inside its left edge.
int CornerInset(int row, int height, int r) {
  const int from_edge = std::min(row, height - 1 - row);
  if (from_edge >= r) return 0;
  const double dy = r - from_edge - 0.5;
  return static_cast<int>(std::lround(r - std::sqrt(std::max(0.0, double(r) * r - dy * dy))));
}

}  // namespace

Rect Drawable(const Rect& area) {
  constexpr int64_t kFar = int64_t{1} << 24;
  const int64_t left = std::clamp<int64_t>(area.Left, -kFar, kFar);
  const int64_t top = std::clamp<int64_t>(area.Top, -kFar, kFar);
  const int64_t right = std::clamp<int64_t>(int64_t{area.Left} + area.Width, -kFar, kFar);
  const int64_t bottom = std::clamp<int64_t>(int64_t{area.Top} + area.Height, -kFar, kFar);
  return Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
              static_cast<int>(bottom - top)};
}

SDL_Color ToSdlColour(Colour colour) {
  return SDL_Color{static_cast<Uint8>(colour & 0xFF), static_cast<Uint8>((colour >> 8) & 0xFF),
                   static_cast<Uint8>((colour >> 16) & 0xFF), 255};
}

void Canvas::SetColour(Colour colour) {
  const SDL_Color c = ToSdlColour(colour);
  SDL_SetRenderDrawColor(renderer_, c.r, c.g, c.b, c.a);
}

void Canvas::Fill(const Rect& given, Colour colour) {
  const Rect area = Drawable(given);
  if (area.Width <= 0 || area.Height <= 0) return;
  SetColour(colour);
  const SDL_Rect r{area.Left, area.Top, area.Width, area.Height};
  SDL_RenderFillRect(renderer_, &r);
}

void Canvas::Frame(const Rect& given, Colour colour, int pen) {
  const Rect area = Drawable(given);
  if (area.Width <= 0 || area.Height <= 0) return;
  SetColour(colour);
  for (int i = 0; i < pen && 2 * i < std::min(area.Width, area.Height); ++i) {
    const SDL_Rect r{area.Left + i, area.Top + i, area.Width - 2 * i, area.Height - 2 * i};
    SDL_RenderDrawRect(renderer_, &r);
  }
}

void Canvas::RoundedFrame(const Rect& given, Colour colour, std::optional<Colour> fill, int pen) {
  const Rect area = Drawable(given);
  if (area.Width <= 0 || area.Height <= 0) return;
  const int radius = std::max(1, std::min(area.Width, area.Height) / 4);
  if (fill) {
    SetColour(*fill);
    for (int row = 0; row < area.Height; ++row) {
      const int in = CornerInset(row, area.Height, radius);
      SDL_RenderDrawLine(renderer_, area.Left + in, area.Top + row, area.Left + area.Width - 1 - in,
                         area.Top + row);
    }
  }
  SetColour(colour);
  std::vector<SDL_Point> points;
  for (int p = 0; p < pen && 2 * p < std::min(area.Width, area.Height); ++p) {
    const Rect ring{area.Left + p, area.Top + p, area.Width - 2 * p, area.Height - 2 * p};
    const int r = std::max(1, radius - p);
    int previous = CornerInset(0, ring.Height, r);
    for (int row = 0; row < ring.Height; ++row) {
      const int now = CornerInset(row, ring.Height, r);
      if (row == 0 || row == ring.Height - 1) {
        // The top and bottom edges run straight between the corners.
        SDL_RenderDrawLine(renderer_, ring.Left + now, ring.Top + row,
                           ring.Left + ring.Width - 1 - now, ring.Top + row);
      }
      // Joined to the previous row's edge, so that steep corners stay closed.
      for (int x = std::min(now, previous); x <= std::max(now, previous); ++x) {
        points.push_back({ring.Left + x, ring.Top + row});
        points.push_back({ring.Left + ring.Width - 1 - x, ring.Top + row});
      }
      previous = now;
    }
  }
  SDL_RenderDrawPoints(renderer_, points.data(), static_cast<int>(points.size()));
}

void Canvas::DrawPicture(const ShownPicture& picture, int x, int y, const Rect& missing_size) {
  if (!picture.Texture) {
    Frame(Rect{x, y, missing_size.Width, missing_size.Height}, kMissingPictureFrame);
    return;
  }
  const SDL_Rect target{x, y, picture.Width, picture.Height};
  SetScaleMode(picture.Texture);
  SDL_RenderCopy(renderer_, picture.Texture, nullptr, &target);
}

void Canvas::DrawPictureClipped(const ShownPicture& picture, const Rect& area) {
  if (!picture.Texture) {
    Frame(area, kMissingPictureFrame);
    return;
  }
  const int width = std::min(area.Width, picture.Width);
  const int height = std::min(area.Height, picture.Height);
  if (width <= 0 || height <= 0) return;
  // A picture more than 2^24 pixels away cannot reach the window.
  const Rect near = Drawable(area);
  if (near.Left != area.Left || near.Top != area.Top) return;
  const SDL_Rect source{0, 0, width, height};
  const SDL_Rect target{area.Left, area.Top, width, height};
  SetScaleMode(picture.Texture);
  SDL_RenderCopy(renderer_, picture.Texture, &source, &target);
}

void Canvas::SetScaleMode(SDL_Texture* texture) const {
  SDL_SetTextureScaleMode(texture, sharp_ ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

}  // namespace qv
