// What the views draw with: filled and framed rectangles in the engine's
// colours (0x00BBGGRR), pictures and texts, in the window's logical pixels.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "desktop/picture_textures.h"
#include "desktop/text_painter.h"
#include "host/font.h"
#include "parser/colour.h"
#include "ui/saturated.h"

namespace qv {

// Pictures and texts of the page may stand and reach as far as a 32-bit
// number goes: edges are computed in 64 bits.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  int Right() const { return SaturatedSum({Left, Width}); }
  int Bottom() const { return SaturatedSum({Top, Height}); }
  // The middle, rounded toward the top left.
  int CentreX() const { return SaturatedSum({Left, Width / 2}); }
  int CentreY() const { return SaturatedSum({Top, Height / 2}); }
  bool Contains(int x, int y) const {
    return x >= Left && int64_t{x} < int64_t{Left} + Width && y >= Top &&
           int64_t{y} < int64_t{Top} + Height;
  }
};

// The part of `area` that lies within 2^24 pixels of the window's corner in
// every direction: more than any screen shows, and small enough that the
// drawing's own sums cannot overflow.
Rect Drawable(const Rect& area);

// A rectangle of that size centred on (x, y), each half rounded toward zero.
inline Rect CentredOn(int x, int y, int width, int height) {
  return Rect{x - width / 2, y - height / 2, width, height};
}

SDL_Color ToSdlColour(Colour colour);

class Canvas {
 public:
  Canvas(SDL_Renderer* renderer, TextPainter& text, PictureTextures& pictures)
      : renderer_(renderer), text_(text), pictures_(pictures) {}

  void Fill(const Rect& area, Colour colour);
  // A pen of `pen` pixels along the inside of the rectangle.
  void Frame(const Rect& area, Colour colour, int pen = 1);
  // A rectangle with round corners (radius a quarter of its shorter side),
  // optionally filled.
  void RoundedFrame(const Rect& area, Colour colour, std::optional<Colour> fill, int pen = 1);

  // A picture at its own size; one that could not be read is an empty frame
  // of `missing_size`.
  void DrawPicture(const ShownPicture& picture, int x, int y, const Rect& missing_size = {});
  // A picture drawn unscaled from the area's top left and cut at its edges.
  void DrawPictureClipped(const ShownPicture& picture, const Rect& area);

  TextSize Text(const Font& font, std::string_view text, Colour colour, int x, int y) {
    return text_.Draw(font, text, colour, x, y);
  }
  TextSize Measure(const Font& font, std::string_view text) { return text_.Measure(font, text); }

  // Pictures scaled to the window by a whole factor are drawn with square
  // pixels (sharp); at other factors they are smoothed.
  void SetSharpScaling(bool sharp) { sharp_ = sharp; }

  PictureTextures& Pictures() { return pictures_; }
  SDL_Renderer* Renderer() { return renderer_; }

 private:
  void SetColour(Colour colour);
  void SetScaleMode(SDL_Texture* texture) const;

  SDL_Renderer* renderer_;
  TextPainter& text_;
  PictureTextures& pictures_;
  bool sharp_ = true;
};

}  // namespace qv
