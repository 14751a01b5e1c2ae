// Decoded pictures of the gamebook (skin pictures, pictures in the text,
// pop-ups). Every picture is a PNG, JPEG or GIF file; the format is told by
// the file's leading bytes, so a file with the wrong extension still loads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {

// Row-major, 4 bytes per pixel (R, G, B, A), alpha not premultiplied.
struct Picture {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Rgba;
};

// The bytes of `rows` rows of a picture `width` pixels wide: a picture's
// size, or where row `rows` begins. Sides are never negative.
inline std::size_t RgbaBytes(int64_t width, int64_t rows) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(rows) * 4;
}

struct PictureSize {
  int Width = 0;
  int Height = 0;
};

// A gamebook's picture files are untrusted; anything larger than this is
// refused before any pixel memory is taken.
inline constexpr int64_t kMaxPictureSide = 16384;
inline constexpr int64_t kMaxPicturePixels = 64 * 1024 * 1024;

// Either the value or a message for the player that names the file.
template <typename T>
class PictureOutcome {
 public:
  static PictureOutcome Success(T value) {
    PictureOutcome r;
    r.value_ = std::move(value);
    return r;
  }
  static PictureOutcome Failure(std::string message) {
    PictureOutcome r;
    r.error_ = std::move(message);
    return r;
  }

  bool Ok() const { return value_.has_value(); }
  explicit operator bool() const { return Ok(); }
  const T& Value() const { return *value_; }
  T& Value() { return *value_; }
  // Empty when Ok().
  const std::string& Error() const { return error_; }

 private:
  PictureOutcome() = default;
  std::optional<T> value_;
  std::string error_;
};

using PictureResult = PictureOutcome<Picture>;
using PictureSizeResult = PictureOutcome<PictureSize>;

enum class PictureFormat { Unknown, Png, Jpeg, Gif };

// Looks only at the leading bytes: the PNG signature, the JPEG start-of-image
// marker FF D8, or "GIF87a" / "GIF89a".
PictureFormat DetectPictureFormat(std::span<const uint8_t> leading_bytes);

// Failure messages have one form: "Obrázek nelze načíst: " + name + " (" +
// reason + ")", in Windows-1250.
PictureResult DecodePicture(const std::string& path);
PictureResult DecodePictureBytes(std::span<const uint8_t> bytes,
                                 std::string_view name_for_messages);

// Reads only as much of the file as its dimensions need (a few bytes for PNG
// and GIF, the header segments for JPEG). A success does not promise that the
// rest of the file decodes; a size above the limits fails as decoding would.
PictureSizeResult ReadPictureSize(const std::string& path);

}  // namespace qv
