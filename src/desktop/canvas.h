// What the views draw with: filled and framed rectangles in the engine's
// colours (0x00BBGGRR), pictures and texts, in the window's logical pixels.
#pragma once

#include <SDL.h>

#include <optional>
#include <string_view>

#include "desktop/picture_textures.h"
#include "desktop/text_painter.h"
#include "host/font.h"
#include "parser/colour.h"

namespace qv {

struct Rect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  bool Contains(int x, int y) const {
    return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
  }
};

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

  PictureTextures& Pictures() { return pictures_; }
  SDL_Renderer* Renderer() { return renderer_; }

 private:
  void SetColour(Colour colour);

  SDL_Renderer* renderer_;
  TextPainter& text_;
  PictureTextures& pictures_;
};

}  // namespace qv
