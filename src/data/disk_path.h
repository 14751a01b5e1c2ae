// Where a gamebook file name lives on disk. The engine keeps every name as
// Windows-1250 bytes, as gamebooks write them; the file system spells names
// in UTF-8, so a library "kouzelná" is the file kouzelná.qvl.
#pragma once

#include <filesystem>
#include <string_view>

#include "data/cp1250.h"

namespace qv {

inline std::filesystem::path DiskPath(std::string_view cp1250_path) {
  return std::filesystem::path(Cp1250ToUtf8(cp1250_path));
}

}  // namespace qv
