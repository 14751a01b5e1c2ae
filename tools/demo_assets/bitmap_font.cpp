#include "bitmap_font.h"

#include <array>
#include <cstdint>
#include <vector>

namespace qv::demo {
namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphRows = 7;
constexpr int kAccentRows = 3;

struct Glyph {
  char Letter;
  std::array<uint8_t, kGlyphRows> Rows;  // bit 4 is the leftmost column
};

constexpr Glyph kGlyphs[] = {
    {' ', {0, 0, 0, 0, 0, 0, 0}},
    {'A', {0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}},
    {'B', {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110}},
    {'C', {0b01110, 0b10001, 0b10000, 0b10000, 0b10000, 0b10001, 0b01110}},
    {'D', {0b11110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b11110}},
    {'E', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b11111}},
    {'F', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'G', {0b01110, 0b10001, 0b10000, 0b10111, 0b10001, 0b10001, 0b01111}},
    {'H', {0b10001, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}},
    {'I', {0b01110, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'J', {0b00111, 0b00010, 0b00010, 0b00010, 0b00010, 0b10010, 0b01100}},
    {'K', {0b10001, 0b10010, 0b10100, 0b11000, 0b10100, 0b10010, 0b10001}},
    {'L', {0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b11111}},
    {'M', {0b10001, 0b11011, 0b10101, 0b10101, 0b10001, 0b10001, 0b10001}},
    {'N', {0b10001, 0b11001, 0b10101, 0b10011, 0b10001, 0b10001, 0b10001}},
    {'O', {0b01110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}},
    {'P', {0b11110, 0b10001, 0b10001, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'Q', {0b01110, 0b10001, 0b10001, 0b10001, 0b10101, 0b10010, 0b01101}},
    {'R', {0b11110, 0b10001, 0b10001, 0b11110, 0b10100, 0b10010, 0b10001}},
    {'S', {0b01111, 0b10000, 0b10000, 0b01110, 0b00001, 0b00001, 0b11110}},
    {'T', {0b11111, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100}},
    {'U', {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}},
    {'V', {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01010, 0b00100}},
    {'W', {0b10001, 0b10001, 0b10001, 0b10101, 0b10101, 0b10101, 0b01010}},
    {'X', {0b10001, 0b10001, 0b01010, 0b00100, 0b01010, 0b10001, 0b10001}},
    {'Y', {0b10001, 0b10001, 0b01010, 0b00100, 0b00100, 0b00100, 0b00100}},
    {'Z', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b11111}},
    {'0', {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110}},
    {'1', {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'2', {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111}},
    {'3', {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110}},
    {'4', {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010}},
    {'5', {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110}},
    {'6', {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110}},
    {'7', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000}},
    {'8', {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110}},
    {'9', {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100}},
    {'.', {0, 0, 0, 0, 0, 0b01100, 0b01100}},
    {',', {0, 0, 0, 0, 0b01100, 0b00100, 0b01000}},
    {':', {0, 0b01100, 0b01100, 0, 0b01100, 0b01100, 0}},
    {'!', {0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0, 0b00100}},
    {'?', {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0, 0b00100}},
    {'-', {0, 0, 0, 0b11111, 0, 0, 0}},
    {'/', {0b00001, 0b00010, 0b00010, 0b00100, 0b01000, 0b01000, 0b10000}},
    {'\'', {0b00100, 0b00100, 0b01000, 0, 0, 0, 0}},
};

enum class Accent { None, Acute, Caron, Ring };

constexpr std::array<uint8_t, kAccentRows> AccentRows(Accent accent) {
  switch (accent) {
    case Accent::Acute: return {0b00010, 0b00100, 0};
    case Accent::Caron: return {0b01010, 0b00100, 0};
    case Accent::Ring: return {0b00100, 0b01010, 0b00100};
    case Accent::None: break;
  }
  return {0, 0, 0};
}

struct Letter {
  char Base = '?';
  Accent Mark = Accent::None;
};

// The Czech letters with their base capital and mark.
Letter FromCodePoint(char32_t c) {
  if (c >= 'a' && c <= 'z') return {static_cast<char>(c - 'a' + 'A')};
  if (c < 0x80) return {static_cast<char>(c)};
  struct Entry {
    char32_t Lower, Upper;
    char Base;
    Accent Mark;
  };
  static constexpr Entry kTable[] = {
      {U'á', U'Á', 'A', Accent::Acute}, {U'č', U'Č', 'C', Accent::Caron},
      {U'ď', U'Ď', 'D', Accent::Caron}, {U'é', U'É', 'E', Accent::Acute},
      {U'ě', U'Ě', 'E', Accent::Caron}, {U'í', U'Í', 'I', Accent::Acute},
      {U'ň', U'Ň', 'N', Accent::Caron}, {U'ó', U'Ó', 'O', Accent::Acute},
      {U'ř', U'Ř', 'R', Accent::Caron}, {U'š', U'Š', 'S', Accent::Caron},
      {U'ť', U'Ť', 'T', Accent::Caron}, {U'ú', U'Ú', 'U', Accent::Acute},
      {U'ů', U'Ů', 'U', Accent::Ring},  {U'ý', U'Ý', 'Y', Accent::Acute},
      {U'ž', U'Ž', 'Z', Accent::Caron},
  };
  for (const Entry& e : kTable)
    if (c == e.Lower || c == e.Upper) return {e.Base, e.Mark};
  return {'?'};
}

std::vector<char32_t> CodePoints(std::string_view utf8) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    ++i;
    for (; extra > 0 && i < utf8.size(); --extra, ++i) c = (c << 6) | (utf8[i] & 0x3F);
    out.push_back(c);
  }
  return out;
}

const Glyph& GlyphOf(char base) {
  for (const Glyph& g : kGlyphs)
    if (g.Letter == base) return g;
  for (const Glyph& g : kGlyphs)
    if (g.Letter == '?') return g;
  return kGlyphs[0];
}

void DrawRows(Raster& raster, int x, int y, const uint8_t* rows, int count, int scale, Rgb c) {
  for (int r = 0; r < count; ++r)
    for (int col = 0; col < kGlyphWidth; ++col)
      if (rows[r] & (1 << (kGlyphWidth - 1 - col)))
        raster.FillRect(x + col * scale, y + r * scale, scale, scale, c);
}

}  // namespace

int TextWidth(std::string_view utf8, int scale) {
  const auto n = static_cast<int>(CodePoints(utf8).size());
  return n == 0 ? 0 : (n * (kGlyphWidth + 1) - 1) * scale;
}

int TextHeight(int scale) { return (kAccentRows + kGlyphRows) * scale; }

void DrawText(Raster& raster, int x, int y, std::string_view utf8, int scale, Rgb colour) {
  for (char32_t c : CodePoints(utf8)) {
    const Letter letter = FromCodePoint(c);
    const auto accent = AccentRows(letter.Mark);
    DrawRows(raster, x, y, accent.data(), kAccentRows, scale, colour);
    DrawRows(raster, x, y + kAccentRows * scale, GlyphOf(letter.Base).Rows.data(), kGlyphRows,
             scale, colour);
    x += (kGlyphWidth + 1) * scale;
  }
}

void DrawCentredText(Raster& raster, int cx, int y, std::string_view utf8, int scale, Rgb colour) {
  DrawText(raster, cx - TextWidth(utf8, scale) / 2, y, utf8, scale, colour);
}

}  // namespace qv::demo
