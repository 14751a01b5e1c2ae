// PNG through libpng. libpng reports errors by longjmp, so everything that
// must survive one (the reader state, the pixels, the row pointers) lives in
// objects owned by the caller of the function that calls setjmp, and that
// function holds no C++ objects of its own across libpng calls.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "ui/picture_codecs.h"

namespace qv::picture_codecs {

namespace {

struct PngJob {
  std::span<const uint8_t> bytes;
  size_t position = 0;
  Picture picture;
  std::vector<png_bytep> rows;
  std::optional<std::string> size_refusal;
};

struct PngSession {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~PngSession() {
    if (png != nullptr) png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
  }
};

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* job = static_cast<PngJob*>(png_get_io_ptr(png));
  if (length > job->bytes.size() - job->position) png_error(png, "truncated");
  std::memcpy(out, job->bytes.data() + job->position, length);
  job->position += length;
}

// The player gets one message of our own; libpng's texts are not shown.
void StopOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

bool ReadPng(PngSession& session, PngJob& job) {
  png_structp png = session.png;
  png_infop info = session.info;
  if (setjmp(png_jmpbuf(png))) return false;

  png_set_read_fn(png, &job, ReadFromMemory);
  // The size limits are ours, applied below with their own message.
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  png_read_info(png, info);

  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  job.size_refusal = RejectSize(width, height);
  if (job.size_refusal) return false;

  const int colour_type = png_get_color_type(png, info);
  const bool has_transparency_chunk = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_set_expand(png);
  png_set_strip_16(png);
  if ((colour_type & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  if ((colour_type & PNG_COLOR_MASK_ALPHA) == 0 && !has_transparency_chunk) {
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4) return false;

  job.picture.Width = static_cast<int>(width);
  job.picture.Height = static_cast<int>(height);
  job.picture.Rgba.resize(RgbaBytes(width, height));
  job.rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) {
    job.rows[y] = job.picture.Rgba.data() + RgbaBytes(width, y);
  }
  png_read_image(png, job.rows.data());
  return true;
}

}  // namespace

PictureResult DecodePng(std::span<const uint8_t> bytes, std::string_view name) {
  PngSession session;
  session.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, StopOnError, IgnoreWarning);
  if (session.png != nullptr) session.info = png_create_info_struct(session.png);
  if (session.png == nullptr || session.info == nullptr) {
    return PictureResult::Failure(FailureMessage(name, kOutOfMemory));
  }
  PngJob job;
  job.bytes = bytes;
  if (!ReadPng(session, job)) {
    return PictureResult::Failure(FailureMessage(name, job.size_refusal.value_or(kDamaged)));
  }
  return PictureResult::Success(std::move(job.picture));
}

}  // namespace qv::picture_codecs
