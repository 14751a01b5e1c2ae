// `quarvelin new DIR`: a small, complete gamebook to start from. Three
// locations with options, a condition, a picture and a sound, the
// initialization record and its commented text (inicializace.txt), all of
// which `quarvelin check` passes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

// The files of the new book, relative to its folder, with their bytes.
struct NewBookFile {
  std::string Path;
  std::string Bytes;
};
std::vector<NewBookFile> NewGamebookFiles();

// Writes the book into `dir`, which must not exist or be empty. The paths
// written, or a message why nothing was.
struct NewBookResult {
  std::vector<std::string> Written;
  std::string Error;
};
NewBookResult WriteNewGamebook(const std::filesystem::path& dir);

}  // namespace qv
