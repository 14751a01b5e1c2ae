#include "picture_files.h"

#include <gif_lib.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <vector>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace qv::demo {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForWriting(const std::filesystem::path& path) {
  File f(std::fopen(path.c_str(), "wb"));
  if (!f) throw std::runtime_error("cannot write " + path.string());
  return f;
}

std::vector<uint8_t> RgbRows(const Raster& raster) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(raster.Width()) * raster.Height() * 3);
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < raster.Width(); ++x) {
      const Rgb c = raster.At(x, y);
      bytes.insert(bytes.end(), {c.R, c.G, c.B});
    }
  return bytes;
}

}  // namespace

void WritePng(const Raster& raster, const std::filesystem::path& path) {
  File f = OpenForWriting(path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) throw std::runtime_error("libpng: out of memory");
  std::vector<uint8_t> bytes = RgbRows(raster);
  std::vector<png_bytep> rows(raster.Height());
  for (int y = 0; y < raster.Height(); ++y)
    rows[y] = bytes.data() + static_cast<std::size_t>(y) * raster.Width() * 3;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng: cannot write " + path.string());
  }
  png_init_io(png, f.get());
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, raster.Width(), raster.Height(), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
}

void WriteJpeg(const Raster& raster, const std::filesystem::path& path, int quality) {
  File f = OpenForWriting(path);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f.get());
  cinfo.image_width = raster.Width();
  cinfo.image_height = raster.Height();
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> bytes = RgbRows(raster);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = bytes.data() + static_cast<std::size_t>(cinfo.next_scanline) * raster.Width() * 3;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
}

void WriteGif(const Raster& raster, const std::filesystem::path& path) {
  // The palette: the picture's colours in order of first appearance.
  std::vector<Rgb> palette;
  std::vector<GifByteType> indices;
  indices.reserve(static_cast<std::size_t>(raster.Width()) * raster.Height());
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < raster.Width(); ++x) {
      const Rgb c = raster.At(x, y);
      std::size_t i = 0;
      while (i < palette.size() && !(palette[i] == c)) ++i;
      if (i == palette.size()) {
        if (palette.size() == 256) throw std::runtime_error("GIF: more than 256 colours");
        palette.push_back(c);
      }
      indices.push_back(static_cast<GifByteType>(i));
    }
  int bits = 1;
  while ((1u << bits) < palette.size()) ++bits;
  ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
  for (std::size_t i = 0; i < palette.size(); ++i)
    map->Colors[i] = {palette[i].R, palette[i].G, palette[i].B};
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) {
    GifFreeMapObject(map);
    throw std::runtime_error("cannot write " + path.string());
  }
  bool ok = EGifPutScreenDesc(gif, raster.Width(), raster.Height(), bits, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, raster.Width(), raster.Height(), false, nullptr) ==
                GIF_OK;
  for (int y = 0; ok && y < raster.Height(); ++y)
    ok = EGifPutLine(gif, indices.data() + static_cast<std::size_t>(y) * raster.Width(),
                     raster.Width()) == GIF_OK;
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  GifFreeMapObject(map);
  if (!ok) throw std::runtime_error("giflib: cannot write " + path.string());
}

}  // namespace qv::demo
