// JPEG through libjpeg. Its errors end in error_exit, which here jumps back
// with longjmp; as for PNG, all state that must survive the jump is owned by
// the caller of the function that calls setjmp.
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <csetjmp>

#include "ui/picture_codecs.h"

namespace qv::picture_codecs {

namespace {

// A few hundred scans is far beyond any real progressive file; a crafted one
// can hold many thousands of tiny scans and keep the decoder busy for minutes.
constexpr int kMaxScans = 1000;

struct JpegErrors {
  jpeg_error_mgr manager;  // first, so that cinfo->err points at the whole struct
  std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
}

// libjpeg treats a file that ends early as a warning and fills the missing
// part with grey; a cut-off picture is a damaged file here. Other warnings
// (stray bytes between segments and the like) are tolerated, silently.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) JumpBack(cinfo);
}

void Silent(j_common_ptr) {}

void LimitScans(j_common_ptr cinfo) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompress->input_scan_number > kMaxScans) JumpBack(cinfo);
}

struct JpegSession {
  jpeg_decompress_struct cinfo{};
  JpegErrors errors{};
  jpeg_progress_mgr progress{};
  ~JpegSession() { jpeg_destroy_decompress(&cinfo); }
};

struct JpegJob {
  std::span<const uint8_t> bytes;
  Picture picture;
  std::vector<uint8_t> line;
  std::optional<std::string> size_refusal;
};

void ToRgba(const JpegSession& session, const uint8_t* in, uint8_t* out, int width) {
  const jpeg_decompress_struct& cinfo = session.cinfo;
  for (int x = 0; x < width; ++x, out += 4) {
    switch (cinfo.out_color_space) {
      case JCS_GRAYSCALE:
        out[0] = out[1] = out[2] = in[x];
        break;
      case JCS_CMYK: {
        // Files with the Adobe marker (nearly all CMYK files) store the
        // channels inverted.
        int c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
        if (!cinfo.saw_Adobe_marker) {
          c = 255 - c;
          m = 255 - m;
          y = 255 - y;
          k = 255 - k;
        }
        out[0] = static_cast<uint8_t>((c * k + 127) / 255);
        out[1] = static_cast<uint8_t>((m * k + 127) / 255);
        out[2] = static_cast<uint8_t>((y * k + 127) / 255);
        break;
      }
      default:
        out[0] = in[3 * x];
        out[1] = in[3 * x + 1];
        out[2] = in[3 * x + 2];
        break;
    }
    out[3] = 0xFF;
  }
}

bool ReadJpeg(JpegSession& session, JpegJob& job) {
  jpeg_decompress_struct* cinfo = &session.cinfo;
  cinfo->err = jpeg_std_error(&session.errors.manager);
  session.errors.manager.error_exit = JumpBack;
  session.errors.manager.emit_message = OnMessage;
  session.errors.manager.output_message = Silent;
  if (setjmp(session.errors.jump)) return false;

  jpeg_create_decompress(cinfo);
  session.progress.progress_monitor = LimitScans;
  cinfo->progress = &session.progress;
  jpeg_mem_src(cinfo, job.bytes.data(), static_cast<unsigned long>(job.bytes.size()));
  jpeg_read_header(cinfo, TRUE);

  job.size_refusal = RejectSize(cinfo->image_width, cinfo->image_height);
  if (job.size_refusal) return false;

  int components = 3;
  switch (cinfo->jpeg_color_space) {
    case JCS_GRAYSCALE:
      cinfo->out_color_space = JCS_GRAYSCALE;
      components = 1;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo->out_color_space = JCS_CMYK;
      components = 4;
      break;
    default:
      cinfo->out_color_space = JCS_RGB;
      break;
  }
  jpeg_start_decompress(cinfo);
  const int width = static_cast<int>(cinfo->output_width);
  const int height = static_cast<int>(cinfo->output_height);
  if (cinfo->output_components != components || RejectSize(width, height)) return false;

  job.picture.Width = width;
  job.picture.Height = height;
  job.picture.Rgba.resize(RgbaBytes(width, height));
  job.line.resize(static_cast<size_t>(width) * static_cast<size_t>(components));
  while (cinfo->output_scanline < cinfo->output_height) {
    const auto y = cinfo->output_scanline;
    JSAMPROW row = job.line.data();
    if (jpeg_read_scanlines(cinfo, &row, 1) != 1) return false;
    ToRgba(session, job.line.data(), job.picture.Rgba.data() + RgbaBytes(width, y), width);
  }
  // Whatever follows the last scan line (normally just the end marker) is
  // not needed; the session's destroy releases the decoder.
  return true;
}

}  // namespace

PictureResult DecodeJpeg(std::span<const uint8_t> bytes, std::string_view name) {
  JpegSession session;
  JpegJob job;
  job.bytes = bytes;
  if (!ReadJpeg(session, job)) {
    return PictureResult::Failure(FailureMessage(name, job.size_refusal.value_or(kDamaged)));
  }
  return PictureResult::Success(std::move(job.picture));
}

}  // namespace qv::picture_codecs
