#include "ui/picture_lookup.h"

#include "data/contained_files.h"
#include "data/disk_path.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace qv {

namespace {

constexpr std::string_view kPictureFolder = "./grafika/";
// PNG first: a gamebook that carries a picture in two formats means the PNG.
constexpr std::array<std::string_view, 3> kExtensions = {".png", ".jpg", ".gif"};

}  // namespace

std::optional<std::string> FindPicture(std::string_view name) {
  for (std::string_view extension : kExtensions) {
    std::string path(kPictureFolder);
    path += name;
    path += extension;
    if (IsContainedFile(DiskPath(path))) return path;
  }
  return std::nullopt;
}

std::string PicturePathFor(std::string_view name) {
  if (std::optional<std::string> found = FindPicture(name)) return *found;
  std::string path(kPictureFolder);
  path += name;
  return path;
}

}  // namespace qv
