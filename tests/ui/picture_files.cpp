#include "picture_files.h"

#include <cstdio>  // before jpeglib.h

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <unistd.h>

#include <array>
#include <csetjmp>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace qv::test {

TempWorkDir::TempWorkDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qv-pictures-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
  std::filesystem::current_path(path_);
}

TempWorkDir::~TempWorkDir() {
  std::error_code error;
  std::filesystem::current_path(path_.parent_path(), error);
  std::filesystem::remove_all(path_, error);
}

void WritePng(const std::string& path, const PngSpec& spec) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    FAIL() << "libpng could not write " << path;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, spec.Width, spec.Height, spec.BitDepth, spec.ColourType,
               spec.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (const Rgb& c : spec.Palette) palette.push_back({c.R, c.G, c.B});
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!spec.PaletteAlpha.empty()) {
    png_set_tRNS(png, info, spec.PaletteAlpha.data(), static_cast<int>(spec.PaletteAlpha.size()),
                 nullptr);
  }
  png_write_info(png, info);
  const size_t row_bytes = spec.Rows.size() / spec.Height;
  std::vector<png_bytep> rows;
  for (int y = 0; y < spec.Height; ++y) {
    rows.push_back(const_cast<png_bytep>(spec.Rows.data() + y * row_bytes));
  }
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

void WriteJpeg(const std::string& path, const JpegSpec& spec) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = spec.Width;
  cinfo.image_height = spec.Height;
  cinfo.input_components = spec.Components;
  cinfo.in_color_space = spec.Components == 1 ? JCS_GRAYSCALE
                         : spec.Components == 4 ? JCS_CMYK
                                                : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  if (!spec.Comment.empty()) {
    jpeg_write_marker(&cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(spec.Comment.data()),
                      static_cast<unsigned>(spec.Comment.size()));
  }
  const size_t row_bytes = static_cast<size_t>(spec.Width) * spec.Components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(spec.Samples.data() + cinfo.next_scanline * row_bytes);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(file);
}

void WriteGif(const std::string& path, const GifSpec& spec) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  ASSERT_NE(gif, nullptr) << GifErrorString(error);
  EGifSetGifVersion(gif, true);
  std::vector<GifColorType> colours;
  for (const Rgb& c : spec.Colours) colours.push_back({c.R, c.G, c.B});
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  ASSERT_NE(map, nullptr);
  ASSERT_EQ(EGifPutScreenDesc(gif, spec.ScreenWidth, spec.ScreenHeight, 8, 0, map), GIF_OK);
  for (const GifFrame& frame : spec.Frames) {
    if (frame.TransparentIndex >= 0) {
      GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, frame.TransparentIndex};
      std::array<GifByteType, 4> block{};
      EGifGCBToExtension(&control, block.data());
      ASSERT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block.data()), GIF_OK);
    }
    ASSERT_EQ(EGifPutImageDesc(gif, frame.Left, frame.Top, frame.Width, frame.Height,
                               frame.Interlaced, nullptr),
              GIF_OK);
    std::vector<int> order;
    if (frame.Interlaced) {
      for (int pass = 0; pass < 4; ++pass) {
        const int start[] = {0, 4, 2, 1};
        const int step[] = {8, 8, 4, 2};
        for (int y = start[pass]; y < frame.Height; y += step[pass]) order.push_back(y);
      }
    } else {
      for (int y = 0; y < frame.Height; ++y) order.push_back(y);
    }
    for (int y : order) {
      auto* row = const_cast<GifPixelType*>(frame.Indices.data() + y * frame.Width);
      ASSERT_EQ(EGifPutLine(gif, row, frame.Width), GIF_OK);
    }
  }
  GifFreeMapObject(map);
  ASSERT_EQ(EGifCloseFile(gif, &error), GIF_OK);
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

namespace {

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian32(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::vector<uint8_t> PngHeaderOnly(uint32_t width, uint32_t height) {
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> header;
  PutBigEndian32(header, width);
  PutBigEndian32(header, height);
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, not interlaced
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", {0x78, 0x9C, 0x63, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01});
  PutChunk(out, "IEND", {});
  return out;
}

Pixel At(const Picture& picture, int x, int y) {
  const uint8_t* p = picture.Rgba.data() + (static_cast<size_t>(y) * picture.Width + x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

}  // namespace qv::test
