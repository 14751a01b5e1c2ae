// Writes small picture files for the picture tests, through the same
// libraries the engine decodes with, and a temporary working directory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/picture.h"

namespace qv::test {

// Creates a fresh directory and makes it the working directory; removes it
// at the end.
class TempWorkDir {
 public:
  TempWorkDir();
  ~TempWorkDir();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct Rgb {
  uint8_t R, G, B;
};

struct PngSpec {
  int Width = 0;
  int Height = 0;
  int ColourType = 0;  // PNG_COLOR_TYPE_*
  int BitDepth = 8;
  bool Interlaced = false;
  std::vector<uint8_t> Rows;  // packed as PNG stores them, rows back to back
  std::vector<Rgb> Palette;
  std::vector<uint8_t> PaletteAlpha;  // tRNS for palette pictures
};
void WritePng(const std::string& path, const PngSpec& spec);

struct JpegSpec {
  int Width = 0;
  int Height = 0;
  int Components = 3;  // 1 grey, 3 RGB, 4 CMYK (stored inverted with the Adobe marker)
  std::vector<uint8_t> Samples;
  std::string Comment;  // written as a COM segment ahead of the frame when not empty
};
void WriteJpeg(const std::string& path, const JpegSpec& spec);

struct GifFrame {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Interlaced = false;
  int TransparentIndex = -1;  // -1: no graphics control block
  std::vector<uint8_t> Indices;  // row-major, top to bottom
};
struct GifSpec {
  int ScreenWidth = 0;
  int ScreenHeight = 0;
  std::vector<Rgb> Colours;  // a power of two, 2..256
  std::vector<GifFrame> Frames;
};
void WriteGif(const std::string& path, const GifSpec& spec);

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Signature and IHDR of a PNG declaring the given size, followed by a small
// IDAT and IEND, each chunk with a correct CRC.
std::vector<uint8_t> PngHeaderOnly(uint32_t width, uint32_t height);

struct Pixel {
  int R, G, B, A;
  bool operator==(const Pixel&) const = default;
};
Pixel At(const Picture& picture, int x, int y);

}  // namespace qv::test
