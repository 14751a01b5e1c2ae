#include "desktop/png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace qv {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool WritePng(const std::string& path, const Picture& picture) {
  if (picture.Width <= 0 || picture.Height <= 0 ||
      picture.Rgba.size() < RgbaBytes(picture.Width, picture.Height)) {
    return false;
  }
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  std::vector<png_bytep> rows(static_cast<std::size_t>(picture.Height));
  for (int y = 0; y < picture.Height; ++y) {
    rows[static_cast<std::size_t>(y)] =
        const_cast<png_bytep>(picture.Rgba.data() + RgbaBytes(picture.Width, y));
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width),
               static_cast<png_uint_32>(picture.Height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fflush(file.get()) == 0;
}

}  // namespace qv
