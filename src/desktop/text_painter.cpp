#include "desktop/text_painter.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "data/cp1250.h"
#include "desktop/font_files.h"
#include "host/approximate_metrics.h"

namespace qv {

namespace {

constexpr int kDotsPerInch = 96;
// Kept textures beyond this many are dropped when a frame no longer uses them.
constexpr std::size_t kKeptLines = 256;

std::string FontKey(const Font& font) {
  return font.Face + '\x1F' + std::to_string(font.SizePoints) + (font.Style.Bold ? "B" : "-") +
         (font.Style.Italic ? "I" : "-");
}

SDL_Color ToSdl(Colour colour) {
  return SDL_Color{static_cast<Uint8>(colour & 0xFF), static_cast<Uint8>((colour >> 8) & 0xFF),
                   static_cast<Uint8>((colour >> 16) & 0xFF), 255};
}

}  // namespace

std::vector<std::string_view> DisplayLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

TextPainter::TextPainter(SDL_Renderer* renderer) : renderer_(renderer) {
  ttf_ready_ = TTF_WasInit() > 0 || TTF_Init() == 0;
  if (!ttf_ready_) std::cerr << "quarvelin: fonts unavailable: " << TTF_GetError() << '\n';
}

TextPainter::~TextPainter() {
  lines_.clear();
  fonts_.clear();
}

TextPainter::OpenFont* TextPainter::Open(const Font& font, double scale) {
  if (!ttf_ready_) return nullptr;
  std::string key = FontKey(font);
  if (scale != 1.0) key += "@" + std::to_string(scale);
  if (auto it = fonts_.find(key); it != fonts_.end()) {
    return it->second.Handle ? &it->second : nullptr;
  }
  OpenFont& open = fonts_[key];
  const std::optional<FontFile> file =
      FindFontFile(Cp1250ToUtf8(font.Face), font.Style.Bold, font.Style.Italic);
  if (!file) {
    std::cerr << "quarvelin: no font found for '" << Cp1250ToUtf8(font.Face) << "'\n";
    return nullptr;
  }
  const int points = std::max(font.SizePoints, 1);
  const auto dpi = static_cast<unsigned>(kDotsPerInch * scale + 0.5);
  open.Handle.reset(TTF_OpenFontIndexDPI(file->Path.c_str(), points, file->Index, dpi, dpi));
  if (!open.Handle) {
    std::cerr << "quarvelin: cannot open the font " << file->Path << ": " << TTF_GetError() << '\n';
    return nullptr;
  }
  open.ExtraStyle =
      (file->SynthesiseBold ? TTF_STYLE_BOLD : 0) | (file->SynthesiseItalic ? TTF_STYLE_ITALIC : 0);
  open.LineHeight = TTF_FontLineSkip(open.Handle.get());
  return &open;
}

void TextPainter::ApplyStyle(OpenFont& open, const FontStyle& style) {
  const int wanted = open.ExtraStyle | (style.Underline ? TTF_STYLE_UNDERLINE : 0) |
                     (style.StrikeOut ? TTF_STYLE_STRIKETHROUGH : 0);
  if (TTF_GetFontStyle(open.Handle.get()) != wanted) TTF_SetFontStyle(open.Handle.get(), wanted);
}

TextSize TextPainter::Measure(const Font& font, std::string_view text) {
  OpenFont* open = Open(font);
  if (!open) return ApproximateTextSize(font, text);
  ApplyStyle(*open, font.Style);
  const std::vector<std::string_view> lines = DisplayLines(text);
  int widest = 0;
  for (std::string_view line : lines) {
    if (line.empty()) continue;
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(open->Handle.get(), Cp1250ToUtf8(line).c_str(), &width, &height) == 0) {
      widest = std::max(widest, width);
    }
  }
  return TextSize{widest, static_cast<int>(lines.size()) * open->LineHeight};
}

const TextPainter::LineTexture* TextPainter::Line(OpenFont& open, const Font& font,
                                                  std::string_view line, Colour colour,
                                                  double scale) {
  std::string key = FontKey(font);
  key += '@' + std::to_string(scale);
  key += font.Style.Underline ? 'U' : '-';
  key += font.Style.StrikeOut ? 'S' : '-';
  key += std::to_string(colour);
  key += '\x1F';
  key += line;
  auto it = lines_.find(key);
  if (it == lines_.end()) {
    ApplyStyle(open, font.Style);
    SurfaceHandle surface(
        TTF_RenderUTF8_Blended(open.Handle.get(), Cp1250ToUtf8(line).c_str(), ToSdl(colour)));
    if (!surface) return nullptr;
    LineTexture made;
    made.Texture.reset(SDL_CreateTextureFromSurface(renderer_, surface.get()));
    if (!made.Texture) return nullptr;
    SDL_SetTextureBlendMode(made.Texture.get(), SDL_BLENDMODE_BLEND);
    made.Width = surface->w;
    made.Height = surface->h;
    it = lines_.emplace(std::move(key), std::move(made)).first;
  }
  it->second.LastUsed = frame_;
  return &it->second;
}

TextSize TextPainter::Draw(const Font& font, std::string_view text, Colour colour, int x, int y) {
  OpenFont* open = Open(font);
  if (!open) return ApproximateTextSize(font, text);
  // The lines themselves come from the same face at the output's density.
  OpenFont* dense = draw_scale_ != 1.0 ? Open(font, draw_scale_) : open;
  const double scale = dense ? draw_scale_ : 1.0;
  if (!dense) dense = open;
  const std::vector<std::string_view> lines = DisplayLines(text);
  int widest = 0;
  int top = y;
  for (std::string_view line : lines) {
    if (!line.empty()) {
      if (const LineTexture* drawn = Line(*dense, font, line, colour, scale)) {
        const SDL_FRect target{static_cast<float>(x), static_cast<float>(top),
                               static_cast<float>(drawn->Width / scale),
                               static_cast<float>(drawn->Height / scale)};
        SDL_RenderCopyF(renderer_, drawn->Texture.get(), nullptr, &target);
        widest = std::max(widest, static_cast<int>(drawn->Width / scale + 0.5));
      }
    }
    top += open->LineHeight;
  }
  return TextSize{widest, static_cast<int>(lines.size()) * open->LineHeight};
}

void TextPainter::SetDrawScale(double scale) {
  // Quarter steps: a window dragged to another size must not render every
  // line again at each pixel of the way.
  const double stepped = std::max(1.0, std::round(scale * 4.0) / 4.0);
  if (stepped == draw_scale_) return;
  draw_scale_ = stepped;
  lines_.clear();
}

void TextPainter::EndFrame() {
  if (lines_.size() > kKeptLines) {
    std::erase_if(lines_, [this](const auto& entry) { return entry.second.LastUsed != frame_; });
  }
  ++frame_;
}

}  // namespace qv
