// Picture dimensions from the file header alone: the text of every page may
// place pictures, and their sizes are needed for the layout long before (and
// far more often than) their pixels.
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ui/picture.h"

#include "data/contained_files.h"
#include "data/disk_path.h"
#include "ui/picture_codecs.h"

namespace qv {

namespace {

using picture_codecs::FailureMessage;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Wide enough for any declared size, so the limits can be checked first.
struct Dimensions {
  int64_t Width;
  int64_t Height;
};

uint32_t BigEndian16(const uint8_t* p) { return (uint32_t{p[0]} << 8) | p[1]; }
uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint32_t LittleEndian16(const uint8_t* p) { return uint32_t{p[0]} | (uint32_t{p[1]} << 8); }

bool ReadExactly(std::FILE* file, uint8_t* out, size_t count) {
  return std::fread(out, 1, count, file) == count;
}

// Walks the JPEG segments from just after the start marker up to the first
// frame header. nullopt when the file ends or the scan starts before one.
std::optional<Dimensions> JpegFrameSize(std::FILE* file) {
  for (;;) {
    int byte = std::fgetc(file);
    if (byte != 0xFF) {
      // Stray bytes between segments are skipped, as decoders do.
      if (byte == EOF) return std::nullopt;
      continue;
    }
    int marker = 0xFF;
    while (marker == 0xFF) marker = std::fgetc(file);
    if (marker == EOF) return std::nullopt;
    // Markers without a length: restart markers, TEM, and a stuffed zero.
    if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // end of image / start of scan

    std::array<uint8_t, 2> length_bytes;
    if (!ReadExactly(file, length_bytes.data(), 2)) return std::nullopt;
    const uint32_t length = BigEndian16(length_bytes.data());
    if (length < 2) return std::nullopt;
    const bool frame_header = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                              marker != 0xC8 && marker != 0xCC;
    if (frame_header) {
      std::array<uint8_t, 5> header;  // precision, height, width
      if (length < 2 + header.size() || !ReadExactly(file, header.data(), header.size())) {
        return std::nullopt;
      }
      return Dimensions{BigEndian16(&header[3]), BigEndian16(&header[1])};
    }
    if (std::fseek(file, static_cast<long>(length - 2), SEEK_CUR) != 0) return std::nullopt;
  }
}

}  // namespace

PictureSizeResult ReadPictureSize(const std::string& path) {
  FileDescriptor descriptor = OpenContainedFile(DiskPath(path));
  FileHandle file(descriptor ? ::fdopen(descriptor.Get(), "rb") : nullptr);
  if (file) descriptor.Release();  // the stream closes it now
  if (!file) return PictureSizeResult::Failure(FailureMessage(path, picture_codecs::kCannotOpen));

  std::array<uint8_t, 24> head{};
  const size_t got = std::fread(head.data(), 1, head.size(), file.get());
  std::optional<Dimensions> size;
  switch (DetectPictureFormat(std::span(head.data(), got))) {
    case PictureFormat::Png:
      // Signature, then the IHDR chunk: length, "IHDR", width, height.
      if (got == head.size() && std::memcmp(&head[12], "IHDR", 4) == 0) {
        size = Dimensions{BigEndian32(&head[16]), BigEndian32(&head[20])};
      }
      break;
    case PictureFormat::Gif: {
      if (got < 10) break;
      const uint32_t width = LittleEndian16(&head[6]);
      const uint32_t height = LittleEndian16(&head[8]);
      if (width == 0 || height == 0) {
        // The canvas then takes its size from the first frame.
        file.reset();
        PictureResult decoded = DecodePicture(path);
        if (!decoded) return PictureSizeResult::Failure(decoded.Error());
        return PictureSizeResult::Success({decoded.Value().Width, decoded.Value().Height});
      }
      size = Dimensions{width, height};
      break;
    }
    case PictureFormat::Jpeg:
      if (std::fseek(file.get(), 2, SEEK_SET) == 0) size = JpegFrameSize(file.get());
      break;
    case PictureFormat::Unknown:
      return PictureSizeResult::Failure(FailureMessage(path, picture_codecs::kUnknownFormat));
  }
  if (!size) return PictureSizeResult::Failure(FailureMessage(path, picture_codecs::kDamaged));
  if (auto refusal = picture_codecs::RejectSize(size->Width, size->Height)) {
    return PictureSizeResult::Failure(FailureMessage(path, *refusal));
  }
  return PictureSizeResult::Success(
      PictureSize{static_cast<int>(size->Width), static_cast<int>(size->Height)});
}

}  // namespace qv
