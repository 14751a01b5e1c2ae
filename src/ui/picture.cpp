#include "ui/picture.h"

#include "data/contained_files.h"
#include "data/disk_path.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <new>

#include "ui/picture_codecs.h"

namespace qv {

namespace picture_codecs {

std::string FailureMessage(std::string_view name, std::string_view reason) {
  std::string message = "Obr\xE1zek nelze na\xE8\xEDst: ";
  message += name;
  message += " (";
  message += reason;
  message += ")";
  return message;
}

std::optional<std::string> RejectSize(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) return std::string(kDamaged);
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
    return "p\xF8\xEDli\x9A velk\xFD rozm\xECr " + std::to_string(width) + " x " +
           std::to_string(height);
  }
  return std::nullopt;
}

}  // namespace picture_codecs

namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool StartsWith(std::span<const uint8_t> bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() && std::memcmp(bytes.data(), prefix.data(), prefix.size()) == 0;
}

// Reads the whole file; nullopt when it cannot be opened or read, or when
// its name leads out of its folder or through a link.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
  const std::optional<std::string> text = ReadContainedFile(DiskPath(path), kMaxGameFileSize);
  if (!text) return std::nullopt;
  return std::vector<uint8_t>(text->begin(), text->end());
}

}  // namespace

PictureFormat DetectPictureFormat(std::span<const uint8_t> leading_bytes) {
  if (leading_bytes.size() >= kPngSignature.size() &&
      std::memcmp(leading_bytes.data(), kPngSignature.data(), kPngSignature.size()) == 0) {
    return PictureFormat::Png;
  }
  if (leading_bytes.size() >= 2 && leading_bytes[0] == 0xFF && leading_bytes[1] == 0xD8) {
    return PictureFormat::Jpeg;
  }
  if (StartsWith(leading_bytes, "GIF87a") || StartsWith(leading_bytes, "GIF89a")) {
    return PictureFormat::Gif;
  }
  return PictureFormat::Unknown;
}

PictureResult DecodePictureBytes(std::span<const uint8_t> bytes, std::string_view name_for_messages) {
  using namespace picture_codecs;
  // A picture within the limits may still be more than the machine can
  // give; that is a failed picture, not a failed program.
  try {
    switch (DetectPictureFormat(bytes)) {
      case PictureFormat::Png:
        return DecodePng(bytes, name_for_messages);
      case PictureFormat::Jpeg:
        return DecodeJpeg(bytes, name_for_messages);
      case PictureFormat::Gif:
        return DecodeGif(bytes, name_for_messages);
      case PictureFormat::Unknown:
        break;
    }
  } catch (const std::bad_alloc&) {
    return PictureResult::Failure(FailureMessage(name_for_messages, kOutOfMemory));
  }
  return PictureResult::Failure(FailureMessage(name_for_messages, kUnknownFormat));
}

PictureResult DecodePicture(const std::string& path) {
  std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
  if (!bytes) {
    return PictureResult::Failure(picture_codecs::FailureMessage(path, picture_codecs::kCannotOpen));
  }
  return DecodePictureBytes(*bytes, path);
}

}  // namespace qv
