#include "ui/picture_popup.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "data/cp1250.h"
#include "ui/picture_codecs.h"

namespace qv {

namespace {

// The whole file; nullopt when it cannot be opened or read (a directory
// opens but fails on reading).
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& disk_path) {
  std::FILE* file = std::fopen(disk_path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::vector<uint8_t> bytes;
  std::array<uint8_t, 64 * 1024> chunk;
  std::size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), file)) > 0) {
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

}  // namespace

void TForm13::CentreOnScreen(int screen_width, int screen_height) {
  Left = screen_width / 2 - ClientWidth() / 2;
  Top = screen_height / 2 - ClientHeight() / 2;
}

PictureResult LoadGamebookPicture(std::string_view path) {
  // The disk names files in UTF-8; the player is told the name in the
  // gamebook's own encoding.
  const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(Cp1250ToUtf8(path));
  if (!bytes) {
    return PictureResult::Failure(
        picture_codecs::FailureMessage(path, picture_codecs::kCannotOpen));
  }
  return DecodePictureBytes(*bytes, path);
}

}  // namespace qv
