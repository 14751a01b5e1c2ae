// Text on the desktop: fonts found by face name and opened at their point
// size (96 dots per inch), texts measured and drawn from Windows-1250 bytes.
// Every drawn line is kept as a texture and made again only when its text,
// font or colour changes.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/sdl_handles.h"
#include "host/font.h"
#include "host/host.h"
#include "parser/colour.h"

namespace qv {

// The lines of a text as a label shows them: CR LF, a lone CR and a lone LF
// each end a line; an empty text is one empty line.
std::vector<std::string_view> DisplayLines(std::string_view text);

class TextPainter {
 public:
  explicit TextPainter(SDL_Renderer* renderer);
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  // Width of the longest line by the number of lines times the line height.
  TextSize Measure(const Font& font, std::string_view text);
  // Draws the lines from (x, y) down; returns the text's size.
  TextSize Draw(const Font& font, std::string_view text, Colour colour, int x, int y);

  // Called once a frame is drawn: forgets the textures of texts that are no
  // longer on the screen.
  void EndFrame();

  // How many output pixels a logical pixel covers (above 1 on a high-density
  // screen or a window scaled up). Lines are then rendered at that density
  // and drawn at their logical size, so they stay sharp instead of being
  // enlarged; layout keeps measuring at 96 dots per inch.
  void SetDrawScale(double scale);
  double DrawScale() const { return draw_scale_; }

 private:
  struct OpenFont {
    FontHandle Handle;
    int ExtraStyle = 0;  // made-up bold or italic
    int LineHeight = 0;
  };
  struct LineTexture {
    TextureHandle Texture;
    int Width = 0;
    int Height = 0;
    uint64_t LastUsed = 0;
  };

  OpenFont* Open(const Font& font, double scale = 1.0);
  void ApplyStyle(OpenFont& open, const FontStyle& style);
  const LineTexture* Line(OpenFont& open, const Font& font, std::string_view line, Colour colour,
                          double scale);

  SDL_Renderer* renderer_;
  std::map<std::string, OpenFont> fonts_;  // by face, size, bold, italic
  std::map<std::string, LineTexture> lines_;
  uint64_t frame_ = 0;
  double draw_scale_ = 1.0;
  bool ttf_ready_ = false;
};

}  // namespace qv
