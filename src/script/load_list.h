// The entries of the load list: the saved positions under ./save, newest
// first, as the main menu's load button lists them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

struct LoadListEntry {
  std::string Name;     // the file name without ".pzv" (Windows-1250)
  std::string Caption;  // Name + " [" + modification date + "]"
  std::filesystem::file_time_type Modified;
};

inline constexpr std::size_t kLoadListCollected = 100;  // files looked at
inline constexpr std::size_t kLoadListShown = 20;       // entries shown

// At most 100 "*.pzv" files of `folder` are collected (later ones are
// skipped), ordered newest first, and the first 20 returned. No folder, no
// entries.
std::vector<LoadListEntry> BuildLoadList(const std::filesystem::path& folder = "./save");

}  // namespace qv
